#pragma once

#include "overlayview.h"

class ProgressIcon;
class QLabel;

// The view of the progress page: three texts and the busy icon over the dimmed page.
class ProgressPageView : public OverlayView
{
    Q_OBJECT

public:
    explicit ProgressPageView(QWidget *parent = nullptr);

    QLabel *mainMessageTextField() const { return m_mainMessageTextField; }
    QLabel *subMessageTextField() const { return m_subMessageTextField; }
    QLabel *percentMessageTextField() const { return m_percentMessageTextField; }
    ProgressIcon *progressIconView() const { return m_progressIconView; }

private:
    QLabel *m_mainMessageTextField = nullptr;
    QLabel *m_subMessageTextField = nullptr;
    QLabel *m_percentMessageTextField = nullptr;
    ProgressIcon *m_progressIconView = nullptr;
};
