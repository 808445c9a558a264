#include "ui/frm_output.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>
#include <QPushButton>
#include <QScreen>

#include "app/program.h"
#include "ui/output_text_view.h"
#include "ui/surface_view.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {
constexpr int kInitialWidth = 640;
constexpr int kInitialHeight = 480;
// How long a first show waits for the window manager to take the window.
constexpr int kMapWaitMs = 2000;

}  // namespace

FrmOutput::FrmOutput(Zerin& zerin)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), m_zerin(zerin), m_window(zerin.outputWindow) {
    setObjectName(QStringLiteral("frmOutput"));
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_text = new OutputTextView(m_window, zerin.run, this);
    m_text->setObjectName(QStringLiteral("txtOutput"));
    m_surface = new SurfaceView(m_window, this);
    m_surface->setObjectName(QStringLiteral("pbxGfx"));
    m_surface->hide();
    resize(kInitialWidth, kInitialHeight);
    setMinimumHeight(OutputWindow::kMinHeight);
    m_window.setHost(this);
    m_window.setCanvasFactory(&m_canvases);
    m_window.setWindowList(&m_windows);
}

FrmOutput::~FrmOutput() {
    m_window.setHost(nullptr);
    m_window.setCanvasFactory(nullptr);
    m_window.setWindowList(nullptr);
}

void FrmOutput::showWindow(std::string_view caption) {
    setWindowTitle(toQString(caption));
    QFont font = m_text->font();
    font.setPointSize(m_zerin.settings.fontSize);
    m_text->setFont(font);
    modeChanged();
    show();
    // Offscreen test runs have no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    m_awaitingMap = true;
}

void FrmOutput::waitUntilMapped() {
    // A script sizes the window right after opening it. Until the window manager has
    // mapped it, a new size can be lost (the manager maps it at the size it had) and the
    // frame's size is unknown, so the size would be wrong; the wait ends as soon as the
    // window is on the screen. Only the sizing commands wait: they run pending events
    // anyway, so opening the window lets nothing else run in the middle of a script line.
    // Once only after each opening: a window the user has minimised since is not waited for.
    if (!m_awaitingMap) return;
    m_awaitingMap = false;
    QWindow* window = windowHandle();
    if (!isVisible() || !window || window->isExposed()) return;
    QDeadlineTimer deadline(kMapWaitMs);
    while (!window->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!window->isExposed()) QThread::msleep(2);
    }
    QCoreApplication::processEvents();
}

void FrmOutput::closeWindow() {
    m_closingByModel = true;
    close();
    m_closingByModel = false;
}

void FrmOutput::closeEvent(QCloseEvent* event) {
    // The user's close goes through the model so that a waiting script is answered.
    if (!m_closingByModel && m_window.isOpen()) m_window.close();
    event->accept();
}

void FrmOutput::setCaption(std::string_view caption) { setWindowTitle(toQString(caption)); }

void FrmOutput::modeChanged() {
    const bool text = m_window.mode() == OutputMode::Text;
    m_text->setVisible(text);
    m_surface->setVisible(!text);
    syncButtons();
    relayout();
}

// A script that adds many buttons in one go gets them shown once, when the event loop
// next runs, instead of every button being set again for each addition.
void FrmOutput::buttonsChanged() { syncButtonsLater(); }

void FrmOutput::syncButtonsLater() {
    if (m_syncPending) return;
    m_syncPending = true;
    QMetaObject::invokeMethod(this, [this] {
        if (m_syncPending) syncButtons();
    }, Qt::QueuedConnection);
}

const std::vector<QPushButton*>& FrmOutput::buttonWidgets() {
    if (m_syncPending) syncButtons();
    return m_buttons;
}

void FrmOutput::syncButtons() {
    m_syncPending = false;
    const auto& model = m_window.buttons();
    while (m_buttons.size() > model.size()) {
        delete m_buttons.back();
        m_buttons.pop_back();
    }
    m_shown.resize(m_buttons.size());
    while (m_buttons.size() < model.size()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("cmdButton%1").arg(m_buttons.size()));
        std::size_t index = m_buttons.size();
        connect(b, &QPushButton::clicked, this, [this, index] { m_window.buttonClicked(index); });
        m_buttons.push_back(b);
        m_shown.emplace_back();
        m_shown.back().fontSize = -1;  // never set: the first sync gives it its caption and font
    }
    const bool text = m_window.mode() == OutputMode::Text;
    const int fontSize = m_zerin.settings.fontSize;
    QFont font = this->font();
    font.setPointSize(fontSize);
    for (std::size_t i = 0; i < model.size(); ++i) {
        QPushButton* b = m_buttons[i];
        Shown& shown = m_shown[i];
        if (shown.fontSize < 0 || shown.caption != model[i].caption) {
            QString caption = toQString(model[i].caption);
            caption.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no mnemonics in script captions
            b->setText(caption);
            shown.caption = model[i].caption;
        }
        if (shown.fontSize != fontSize) {
            b->setFont(font);
            shown.fontSize = fontSize;
        }
        const WindowRect& r = model[i].rect;
        b->setGeometry(r.x, r.y, r.width, r.height);
        b->setVisible(text && model[i].visible && m_window.buttonCount() > 0);
    }
}

void FrmOutput::surfaceChanged() { m_surface->update(); }

void FrmOutput::repaintNow() { m_surface->repaint(); }

void FrmOutput::focusText() {
    activateWindow();
    m_text->setFocus();
}

WindowRect FrmOutput::frame() {
    QRect f = frameGeometry();
    return {f.x(), f.y(), f.width(), f.height()};
}

WindowRect FrmOutput::client() {
    QPoint origin = mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), width(), height()};
}

void FrmOutput::moveTo(int x, int y) { move(x, y); }

void FrmOutput::resizeFrame(int width, int height) {
    waitUntilMapped();
    QRect f = frameGeometry();
    int extraW = f.width() - this->width(), extraH = f.height() - this->height();
    resize(std::max(1, width - extraW), std::max(1, height - extraH));
}

void FrmOutput::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void FrmOutput::relayout() {
    LayoutInput in;
    in.clientWidth = width();
    in.clientHeight = height();
    in.frameHeight = frameGeometry().height();
    in.screenHeight = screen() ? screen()->geometry().height() : height();
    in.minimised = isMinimized();
    in.maximised = isMaximized();
    OutputLayout out = m_window.layout(in);
    if (!out.applied) return;
    if (out.raiseHeightTo > 0 && !m_raising) {
        m_raising = true;
        resizeFrame(frameGeometry().width(), out.raiseHeightTo);
        m_raising = false;
        return;  // the resize lays the window out again
    }
    if (m_window.mode() == OutputMode::Text) {
        m_text->setGeometry(out.textBox.x, out.textBox.y, out.textBox.width, out.textBox.height);
        syncButtons();
    } else {
        m_surface->setGeometry(out.surface.x, out.surface.y, out.surface.width, out.surface.height);
        m_surface->update();
    }
}

}  // namespace zerin::ui
