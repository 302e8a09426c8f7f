#include "ui/shape_panel.hpp"

#include <QPushButton>
#include <array>
#include <initializer_list>

#include "app/twips.hpp"
#include "catalog/shapes.hpp"
#include "common/shape_codes.hpp"
#include "ui/controls.hpp"

namespace ui {
namespace {

using namespace shape;

// Pictures are 80 x 64 pixels; kinds sit side by side, two to a row, with a caption above each.
constexpr int kPictureWidth = 1200, kPictureHeight = 960;
constexpr int kPictureGap = 120, kGroupGap = 360;
constexpr int kCaptionHeight = 255, kRowPitch = kCaptionHeight + kPictureHeight + 135;
constexpr int kColumns = 6;
constexpr int kGridWidth = kColumns * kPictureWidth + (kColumns - 2) * kPictureGap + kGroupGap;
constexpr int kFrameAwayLeft = -3000;

struct Group {
    const char* caption;
    std::initializer_list<int> codes;
};
struct Row {
    Group left, right;
};
const std::array<Row, 4> kRows{{
    {{"パイプ", {kRoundPipe, kSquareTube, kRectTubeUpright, kRectTubeLying}},
     {"フラットバー", {kFlatBarUpright, kFlatBarLying}}},
    {{"ムク材（丸・角）", {kRoundBar, kSquareBar, kSolidRectUpright, kSolidRectLying}},
     {"T形", {kTeeUpright, kTeeLying}}},
    {{"H形・I形", {kHUpright, kHTurned, kUnequalI}},
     {"山形（アングル）", {kEqualAngle, kUnequalAngleUpright, kUnequalAngleLying}}},
    {{"溝形（チャンネル）", {kChannelUpright, kChannelLying}},
     {"軽量溝形・リップ溝形",
      {kLightChannelUpright, kLightChannelLying, kLippedChannelUpright, kLippedChannelLying}}},
}};

struct Artwork {
    int code;
    const char* file;
};
constexpr std::array<Artwork, 25> kArtwork{{
    {kRoundPipe, "shape_01_round_pipe"},
    {kSquareTube, "shape_02_square_tube"},
    {kRectTubeUpright, "shape_03_rect_tube_upright"},
    {kRectTubeLying, "shape_04_rect_tube_lying"},
    {kFlatBarUpright, "shape_05_flat_bar_upright"},
    {kFlatBarLying, "shape_06_flat_bar_lying"},
    {kHUpright, "shape_09_h_upright"},
    {kHTurned, "shape_10_h_turned"},
    {kChannelUpright, "shape_11_channel_upright"},
    {kChannelLying, "shape_12_channel_lying"},
    {kEqualAngle, "shape_13_equal_angle"},
    {kUnequalAngleUpright, "shape_14_unequal_angle_upright"},
    {kUnequalAngleLying, "shape_15_unequal_angle_lying"},
    {kRoundBar, "shape_17_round_bar"},
    {kSquareBar, "shape_18_square_bar"},
    {kSolidRectUpright, "shape_19_solid_rect_upright"},
    {kSolidRectLying, "shape_20_solid_rect_lying"},
    {kLightChannelUpright, "shape_21_light_channel_upright"},
    {kLightChannelLying, "shape_22_light_channel_lying"},
    {kTeeUpright, "shape_23_tee_upright"},
    {kTeeLying, "shape_24_tee_lying"},
    {kUnequalI, "shape_25_unequal_i"},
    {kLippedChannelUpright, "shape_26_lipped_channel_upright"},
    {kLippedChannelLying, "shape_27_lipped_channel_lying"},
    {kDirectEntry, "shape_99_direct_entry"},
}};

// The lipped channels react to a single click only.
bool takesDoubleClick(int code) {
    return code != kLippedChannelUpright && code != kLippedChannelLying;
}

QString controlName(int code) {
    return qtext(catalog::shape(code)->control);
}

} // namespace

QString shapePicture(int code) {
    for (const Artwork& a : kArtwork)
        if (a.code == code) return QStringLiteral(":/assets/%1.svg").arg(QLatin1String(a.file));
    return {};
}

ShapePanel::ShapePanel(QWidget& w, QPoint origin, Handlers handlers) : QObject(&w), window_(w) {
    auto addChoice = [&](int code, int left, int top) {
        Picture* p = addPicture(&w, controlName(code), {left, top, kPictureWidth, kPictureHeight},
                                shapePicture(code));
        p->setToolTip(qtext(catalog::shape(code)->storedName));
        p->setKeyRole(Picture::KeyRole::Choose, p->toolTip());
        connect(p, &Picture::clicked, this, [h = handlers.clicked, code] { h(code); });
        if (takesDoubleClick(code))
            connect(p, &Picture::doubleClicked, this,
                    [h = handlers.doubleClicked, code] { h(code); });
    };
    auto addGroup = [&](const Group& g, int left, int top) {
        const int n = static_cast<int>(g.codes.size());
        addLabel(&w, {}, {left, top, n * kPictureWidth + (n - 1) * kPictureGap, kCaptionHeight},
                 QString::fromUtf8(g.caption), {8})
            ->setForeColor(QColor(60, 60, 60));
        int x = left;
        for (int code : g.codes) {
            addChoice(code, x, top + kCaptionHeight);
            x += kPictureWidth + kPictureGap;
        }
        return x - kPictureGap;
    };

    addLabel(&w, "Label1", {origin.x(), origin.y() - 480, kGridWidth, 420},
             QStringLiteral("      断面形状を選択"), {12, true});
    int top = origin.y();
    for (const Row& row : kRows) {
        const int leftEnd = addGroup(row.left, origin.x(), top);
        addGroup(row.right, leftEnd + kGroupGap, top);
        top += kRowPitch;
    }
    addGroup({"直接入力", {kDirectEntry}}, origin.x(), top);
    auto* other =
        addButton(&w, "CommandSonota",
                  {origin.x() + kPictureWidth + kGroupGap, top + kCaptionHeight + 180, 2400, 600},
                  QStringLiteral("その他形状"), {10});
    other->setToolTip(QStringLiteral("サイズ表の「その他の断面」から選ぶ"));
    connect(other, &QPushButton::clicked, this, [h = handlers.other] { h(); });
    top += kCaptionHeight + kPictureHeight + 180;

    // Created after the pictures so that it is drawn over them.
    frame_ = addShape(&w, "枠line", {kFrameAwayLeft, origin.y(), kPictureWidth, kPictureHeight},
                      Shape::Kind::Rectangle, QColor(220, 0, 0), 3);
    prompt_ = addLabel(&w, "LblDanmensentaku", {origin.x(), top, kGridWidth, 600}, {}, {10, true},
                       Qt::AlignLeft | Qt::AlignVCenter);
    prompt_->setIndent(8);
    extent_ = QRect(origin.x(), origin.y() - 480, kGridWidth, top + 600 - (origin.y() - 480));
}

void ShapePanel::moveFrameTo(int code) {
    const QRect picture = app::twips(window_.findChild<QWidget*>(controlName(code)));
    app::moveTwips(frame_, picture.left(), picture.top());
}

void ShapePanel::moveFrameAway() {
    app::moveTwips(frame_, kFrameAwayLeft, app::twips(frame_).top());
}

} // namespace ui
