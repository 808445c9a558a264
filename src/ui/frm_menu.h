// frmMenu: a pop-up menu window that draws a PopupMenu as a column of cmdMenu buttons,
// and MenuWindows, which opens them from the bars and the size handle and closes them.
// A menu closes when neither it nor a menu opened from it is the active window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "modes/popup_menu.h"

class QPushButton;
class QTimer;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class FrmMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 200;

    FrmMenu(Zerin& zerin, QWidget* parentMenu, QWidget* mainWindow);
    ~FrmMenu() override;

    // Fills and shows the menu of a command (or of a location); false when it has no
    // entries, and the window is to be thrown away.
    bool openFor(std::string_view commandScript, QPoint pointer);
    bool openLocation(std::string_view location, QPoint pointer);

    PopupMenu& model() { return m_menu; }
    QPushButton* entry(int i) const;
    FrmMenu* subMenu() const { return m_sub; }
    // Whether this menu or one opened from it is the active window.
    bool foreground() const;
    // The menu timer's work, also called by tests.
    void tick();
    void unload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void show(bool any);
    void sync();
    int entryIndex(QObject* button) const;
    void openSub(int entry);
    void runEntry(int entry);
    void startDrag(int entry);
    ScreenRect area() const;

    Zerin& m_zerin;
    MenuController m_controller;
    PopupMenu m_menu;
    QWidget* m_mainWindow;
    std::vector<QPushButton*> m_buttons;  // [0] unused: entry 0 is the template
    QTimer* m_timer;
    QPointer<FrmMenu> m_sub;
    int m_running = 0;  // entries whose scripts run now: the window waits for them
    bool m_unloadPending = false;
};

// frmScriptMenu: the window of a Shift+click on the top bar, with its path and title
// fields in the font size setting.
class FrmScriptMenu : public QWidget {
    Q_OBJECT
public:
    FrmScriptMenu(Zerin& zerin, QWidget* parent);
};

class MenuWindows : public QObject {
    Q_OBJECT
public:
    MenuWindows(Zerin& zerin, QWidget* mainWindow);
    ~MenuWindows() override;

    // The top-bar menu of button `index` at the pointer; it replaces an open one.
    void openForTopButton(int index, QPoint pointer);
    void openLocation(const std::string& location, QPoint pointer);
    void openScriptMenu();
    void unloadAll();
    FrmMenu* menu() const { return m_menu; }
    FrmScriptMenu* scriptMenu() const { return m_scriptMenu; }

private:
    void replace(FrmMenu* menu, bool any);

    Zerin& m_zerin;
    QWidget* m_mainWindow;
    QPointer<FrmMenu> m_menu;
    QPointer<FrmScriptMenu> m_scriptMenu;
};

}  // namespace zerin::ui
