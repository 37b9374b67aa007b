#pragma once

#include "overlayview.h"

class MsgPanel;
class ProgressIcon;
class WrappedLabel;

// The view of the progress page: over the dimmed page, a panel in the messages' colours with the
// busy icon and three texts, readable over any page. The panel stays hidden while a message or
// another overlay lies above the progress page.
class ProgressPageView : public OverlayView
{
    Q_OBJECT

public:
    explicit ProgressPageView(QWidget *parent = nullptr);
    ~ProgressPageView() override;

    WrappedLabel *mainMessageTextField() const { return m_mainMessageTextField; }
    WrappedLabel *subMessageTextField() const { return m_subMessageTextField; }
    WrappedLabel *percentMessageTextField() const { return m_percentMessageTextField; }
    ProgressIcon *progressIconView() const { return m_progressIconView; }
    MsgPanel *panel() const { return m_panel; }

    // Sets the three texts and sizes the panel to them, in the middle of the page.
    void setTexts(const QString &mainMessage, const QString &subMessage,
                  const QString &percentMessage);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePanel();
    void followCover();

    MsgPanel *m_panel = nullptr;
    WrappedLabel *m_mainMessageTextField = nullptr;
    WrappedLabel *m_subMessageTextField = nullptr;
    WrappedLabel *m_percentMessageTextField = nullptr;
    ProgressIcon *m_progressIconView = nullptr;
};
