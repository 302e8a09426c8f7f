// One screen of the wizard. The object lives for the whole run and holds the screen's
// variables; its window and controls exist only while it is loaded. Loading builds the
// controls from the design and runs the load handler; unloading runs the unload handler,
// which decides whether the program ends, and discards the controls but not the variables.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/flow.hpp"

namespace app {

class Registry;
class Screen;
struct WizardState;

enum class MousePointer { Default, Hourglass };

// The window of a screen: reports the close box and mouse moves to its screen.
// Orders a window's Tab stops as the window is read: by rows from the top, each from the left.
void orderTabsByReading(QWidget& window);

class FormWindow final : public QWidget {
public:
    explicit FormWindow(Screen& screen);
    void detach() { screen_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    // Enter in a text field moves to the next field; on a button it presses that button;
    // otherwise (a list, a picture that took no key) the screen's default button ("次に進む").
    void keyPressEvent(QKeyEvent* e) override;

private:
    Screen* screen_;
};

class Screen {
public:
    Screen(Registry& registry, ScreenId id);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    ScreenId id() const { return id_; }
    const QString& name() const { return name_; }
    bool isLoaded() const { return window_ != nullptr; }
    bool isVisible() const { return window_ && window_->isVisible(); }

    void load();
    void show();
    void hide();
    // Runs the unload handler, ends the program when the flow says so (the close box, not a
    // step of the flow), then discards the window. Nothing happens when not loaded.
    void unload();
    // The flow has come back to this screen from a later one.
    virtual void onReturn() {}
    // Opening a saved check, just after the load: take the choices `saved` holds as if the
    // user had made them and publish them as going on would. What cannot be taken as saved
    // is said in `notes`.
    virtual void restore(const WizardState& saved, QStringList& notes) {
        (void)saved, (void)notes;
    }

    // The window, loading the screen first (touching a control loads its screen).
    FormWindow& window();

    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer p);

    // A control by its name; loads the screen. Null when no control of that name and type.
    template <class T> T* control(const QString& objectName) {
        return window().findChild<T*>(objectName);
    }

protected:
    // Creates the controls of the design inside `w` (caption, size and controls).
    virtual void build(FormWindow& w) = 0;
    virtual void onLoad() {}
    // The unload handler: what the screen does before its window goes.
    virtual void onUnload() {}
    // The mouse moves over the window's background.
    virtual void onMouseMove() {}

    Registry& registry() const { return registry_; }
    WizardState& state() const;
    Flow& flow() const;
    void endProgram();
    void beep();

private:
    friend class FormWindow;
    void closedByUser();

    Registry& registry_;
    ScreenId id_;
    QString name_;
    FormWindow* window_ = nullptr;
    MousePointer pointer_ = MousePointer::Default;
};

} // namespace app
