#include "ui/screens.hpp"

#include "app/registry.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

namespace ui {

void installScreens(app::Registry& registry) {
    registry.setScreenFactory(
        [](app::Registry& r, app::ScreenId id) -> std::unique_ptr<app::Screen> {
            using app::ScreenId;
            switch (id) {
            case ScreenId::FormOpen:
                return std::make_unique<FormOpen>(r);
            case ScreenId::Form梁形式1:
                return std::make_unique<Form梁形式1>(r);
            case ScreenId::Form片持0:
                return std::make_unique<Form片持0>(r);
            case ScreenId::FormSuiCho:
                return std::make_unique<FormSuiCho>(r);
            case ScreenId::Form両端0:
                return std::make_unique<Form両端0>(r);
            case ScreenId::Form両端1:
                return std::make_unique<Form両端1>(r);
            case ScreenId::FormPinKo:
                return std::make_unique<FormPinKo>(r);
            case ScreenId::Form断面選択:
                return std::make_unique<Form断面選択>(r);
            case ScreenId::Form材サイズ選択:
                return std::make_unique<Form材サイズ選択>(r);
            case ScreenId::Form入力断面他:
                return std::make_unique<Form入力断面他>(r);
            case ScreenId::Form入力計算:
                break;
            }
            return std::make_unique<Form入力計算>(r);
        });
}

} // namespace ui
