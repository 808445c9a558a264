// clsToolTip: the one tooltip service of the main window. Each registered element shows
// its text wrapped at the maximum tip width, for the visible time, with CR LF as line
// breaks. Texts can change while the program runs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <string>

class QWidget;

namespace zerin::ui {

class ToolTips : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultMaxTipWidth = 240;
    static constexpr int kDefaultVisibleMs = 20000;

    explicit ToolTips(QObject* parent = nullptr) : QObject(parent) {}

    // Forgets every tool, as a new tooltip window would.
    void create();
    bool addTool(QWidget* element, const std::string& text);
    void removeTool(QWidget* element);
    void setToolText(QWidget* element, const std::string& text);
    std::string toolText(QWidget* element) const;
    int toolCount() const;

    void setMaxTipWidth(int px) { m_maxWidth = px; }
    int maxTipWidth() const { return m_maxWidth; }
    void setVisibleTime(int ms) { m_visibleMs = ms; }
    int visibleTime() const { return m_visibleMs; }

    // The text as it is shown: CR LF as line breaks, words wrapped at the width.
    QString wrapped(const std::string& text, const QWidget* element) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::pair<QPointer<QWidget>, std::string>> m_tools;
    int m_maxWidth = kDefaultMaxTipWidth;
    int m_visibleMs = kDefaultVisibleMs;
};

}  // namespace zerin::ui
