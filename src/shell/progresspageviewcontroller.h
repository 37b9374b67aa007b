#pragma once

#include "progresspageview.h"

#include <QObject>
#include <QPointer>

class QVariantAnimation;

// The progress page a page lays over itself while it talks to the keyboard or checks for
// updates: a main message, a sub message, a percentage and an endlessly turning busy icon over
// the dimmed page, which gets no input meanwhile.
class ProgressPageViewController : public QObject
{
    Q_OBJECT

public:
    explicit ProgressPageViewController(QObject *parent = nullptr);
    ~ProgressPageViewController() override;

    // Lays the hidden progress page over pageView as its topmost child, as large as it.
    void attach(QWidget *pageView);
    ProgressPageView *view() const { return m_view; }

    // Shows the page, or only changes its texts when it is up already.
    void show(const QString &mainMessage, const QString &subMessage, const QString &percentMessage);
    void hide();
    bool isShown() const;
    bool isRotationInited() const { return m_rotation != nullptr; }

private:
    void rotateProgressIcon();

    QPointer<ProgressPageView> m_view;
    // Made when the page is first shown; it turns the icon from then on.
    QVariantAnimation *m_rotation = nullptr;
};
