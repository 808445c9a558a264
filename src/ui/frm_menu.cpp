#include "ui/frm_menu.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/program.h"
#include "modes/command_runner.h"
#include "ui/ui_style.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {
}  // namespace

FrmMenu::FrmMenu(Zerin& zerin, QWidget* parentMenu, QWidget* mainWindow)
    : QWidget(parentMenu ? parentMenu : mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      m_zerin(zerin), m_controller(zerin), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("#frmMenu { background: #404040; }"));
    m_buttons.push_back(nullptr);
    m_menu.entries.onChanged = [this] { sync(); };
    m_timer = new QTimer(this);
    m_timer->setInterval(kTimerMs);
    connect(m_timer, &QTimer::timeout, this, &FrmMenu::tick);
}

FrmMenu::~FrmMenu() {
    m_menu.entries.onChanged = nullptr;
    // A script of this menu that is still known as the running one must not reach it.
    if (m_zerin.bars.menuEntries == &m_menu.entries) m_zerin.bars.menuEntries = nullptr;
}

ScreenRect FrmMenu::area() const {
    QRect r = m_mainWindow->frameGeometry();
    return ScreenRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool FrmMenu::openFor(std::string_view commandScript, QPoint p) {
    bool any = m_controller.open(m_menu, commandScript, Point{p.x(), p.y()}, area());
    show(any);
    return any;
}

bool FrmMenu::openLocation(std::string_view location, QPoint p) {
    bool any = m_controller.openLocation(m_menu, location, Point{p.x(), p.y()}, area());
    show(any);
    return any;
}

void FrmMenu::show(bool any) {
    if (!any) return;
    sync();
    setGeometry(m_menu.x, m_menu.y, m_menu.width, m_menu.height);
    QWidget::show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    m_timer->start();
}

QPushButton* FrmMenu::entry(int i) const {
    return i >= 1 && static_cast<std::size_t>(i) < m_buttons.size() ? m_buttons[static_cast<std::size_t>(i)] : nullptr;
}

void FrmMenu::sync() {
    const auto& elements = m_menu.entries.elements();
    for (int i = 1; i <= m_menu.count && static_cast<std::size_t>(i) < elements.size(); ++i) {
        if (static_cast<std::size_t>(i) >= m_buttons.size()) {
            auto* b = new QPushButton(this);
            b->setObjectName(QStringLiteral("cmdMenu_%1").arg(i));
            b->setFocusPolicy(Qt::NoFocus);
            b->setMouseTracking(true);
            b->installEventFilter(this);
            m_buttons.push_back(b);
        }
        const BarElement& e = elements[static_cast<std::size_t>(i)];
        QPushButton* b = m_buttons[static_cast<std::size_t>(i)];
        b->setText(toQString(e.caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
        b->setToolTip(toQString(e.tooltip));
        b->setStyleSheet(commandButtonStyle(m_menu.shownColour(i)));
        b->setGeometry(e.x + 1, e.y + 1, e.width, e.height);
        b->setVisible(e.visible);
    }
    for (std::size_t i = static_cast<std::size_t>(m_menu.count) + 1; i < m_buttons.size(); ++i) m_buttons[i]->hide();
}

int FrmMenu::entryIndex(QObject* button) const {
    for (std::size_t i = 1; i < m_buttons.size(); ++i)
        if (m_buttons[i] == button) return static_cast<int>(i);
    return 0;
}

bool FrmMenu::foreground() const {
    for (const QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

void FrmMenu::tick() {
    if (m_controller.timerTick(m_menu, foreground())) unload();
}

void FrmMenu::unload() {
    m_timer->stop();
    hide();
    if (m_running > 0) {
        m_unloadPending = true;  // its entry's script still runs: the window goes after it
        return;
    }
    deleteLater();
}

void FrmMenu::runEntry(int i) {
    ++m_running;
    QPointer<FrmMenu> self(this);
    m_controller.click(m_menu, i);
    if (!self) return;
    --m_running;
    if (m_unloadPending && m_running == 0) deleteLater();
}

void FrmMenu::openSub(int i) {
    if (m_sub) m_sub->unload();
    auto* sub = new FrmMenu(m_zerin, this, m_mainWindow);
    if (!sub->openFor(m_menu.entries.element(i).script, QCursor::pos())) {
        delete sub;
        return;
    }
    m_sub = sub;
}

void FrmMenu::startDrag(int i) {
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setText(toQString(m_zerin.dragText));
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    m_controller.mouseUp();
    (void)i;
}

bool FrmMenu::eventFilter(QObject* watched, QEvent* event) {
    const int i = entryIndex(watched);
    if (i == 0) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton) m_controller.mouseDown();
        else if (m->button() == Qt::RightButton &&
                 (m->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            m_controller.makeShortcut(m_menu, i);
        return false;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->buttons() & Qt::LeftButton) {
            if (m_controller.dragMove(m_menu, i, float(m->position().x()), float(m->position().y()))) {
                startDrag(i);
                return true;
            }
        } else if (m->buttons() == Qt::NoButton) {
            m_controller.hover(m_menu, i);
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        m_controller.mouseUp();
        if (m->button() == Qt::LeftButton) {
            // The button shows its release before the script runs.
            static_cast<QPushButton*>(watched)->setDown(false);
            runEntry(i);
            return true;
        }
        if (m->button() == Qt::RightButton && !(m->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
            m_zerin.bars.running = ButtonRef{BarId::Menu, i};
            openSub(i);
            return true;
        }
        return false;
    }
    default: return false;
    }
}

void FrmMenu::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape: unload(); break;
    case Qt::Key_Down: m_controller.moveHover(m_menu, 1); break;
    case Qt::Key_Up: m_controller.moveHover(m_menu, -1); break;
    case Qt::Key_Right:
        if (m_menu.hovered) openSub(m_menu.hovered);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_menu.hovered) runEntry(m_menu.hovered);
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

FrmScriptMenu::FrmScriptMenu(Zerin& zerin, QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmScriptMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zerin"));
    auto* layout = new QVBoxLayout(this);
    QFont f = font();
    f.setPointSize(zerin.settings.fontSize);
    for (const char* name : {"txtPath", "txtTitle"}) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setFont(f);
        layout->addWidget(field);
    }
}

MenuWindows::MenuWindows(Zerin& zerin, QWidget* mainWindow) : QObject(mainWindow), m_zerin(zerin), m_mainWindow(mainWindow) {
    zerin.bars.openPopupMenu = [this](ButtonRef ref, Point p) {
        if (ref.bar == BarId::Top) openForTopButton(ref.index, QPoint(p.x, p.y));
    };
    zerin.bars.openLocationMenu = [this](const std::string& location, Point p) { openLocation(location, QPoint(p.x, p.y)); };
    zerin.bars.openScriptMenu = [this] { openScriptMenu(); };
}

MenuWindows::~MenuWindows() {
    m_zerin.bars.openPopupMenu = nullptr;
    m_zerin.bars.openLocationMenu = nullptr;
    m_zerin.bars.openScriptMenu = nullptr;
}

void MenuWindows::replace(FrmMenu* menu, bool any) {
    if (!any) {
        delete menu;
        return;
    }
    m_menu = menu;
}

void MenuWindows::openForTopButton(int index, QPoint pointer) {
    const BarElement* b = m_zerin.bars.top.find(index);
    if (!b) return;
    const std::string script = b->script;
    if (m_menu) m_menu->unload();
    auto* menu = new FrmMenu(m_zerin, nullptr, m_mainWindow);
    replace(menu, menu->openFor(script, pointer));
}

void MenuWindows::openLocation(const std::string& location, QPoint pointer) {
    if (m_menu) m_menu->unload();
    auto* menu = new FrmMenu(m_zerin, nullptr, m_mainWindow);
    replace(menu, menu->openLocation(location, pointer));
}

void MenuWindows::openScriptMenu() {
    if (!m_scriptMenu) m_scriptMenu = new FrmScriptMenu(m_zerin, m_mainWindow);
    m_scriptMenu->show();
    m_scriptMenu->raise();
}

void MenuWindows::unloadAll() {
    if (m_menu) m_menu->unload();
    if (m_scriptMenu) m_scriptMenu->close();
}

}  // namespace zerin::ui
