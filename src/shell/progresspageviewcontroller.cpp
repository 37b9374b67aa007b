#include "progresspageviewcontroller.h"

#include "logger.h"
#include "progressicon.h"
#include "progresspageview.h"
#include "shelllook.h"

#include <QVariantAnimation>

ProgressPageViewController::ProgressPageViewController(QObject *parent)
    : QObject(parent)
{}

ProgressPageViewController::~ProgressPageViewController()
{
    delete m_view.data();
}

void ProgressPageViewController::attach(QWidget *pageView)
{
    if (!m_view)
        m_view = new ProgressPageView;
    m_view->setParent(pageView);
    m_view->setGeometry(pageView->rect());
    m_view->setBackgroundColor(ShellLook::msgView().msgMaskViewColor());
    m_view->hide();
    m_view->raise();
}

void ProgressPageViewController::show(const QString &mainMessage, const QString &subMessage,
                                      const QString &percentMessage)
{
    if (!m_view)
        return;
    LOG_DEBUG(QStringLiteral("Showing a progress page."));
    m_view->show();
    m_view->raise();
    m_view->setTexts(mainMessage, subMessage, percentMessage);
    rotateProgressIcon();
}

void ProgressPageViewController::hide()
{
    if (!m_view)
        return;
    LOG_DEBUG(QStringLiteral("Hiding a progress page."));
    m_view->hide();
    // The icon rests while nobody sees it and goes on from the same angle.
    if (m_rotation)
        m_rotation->pause();
}

bool ProgressPageViewController::isShown() const
{
    return m_view && !m_view->isHidden();
}

void ProgressPageViewController::rotateProgressIcon()
{
    if (m_rotation) {
        if (m_rotation->state() == QAbstractAnimation::Paused)
            m_rotation->resume();
        return;
    }
    m_rotation = new QVariantAnimation(this);
    m_rotation->setStartValue(0.0);
    m_rotation->setEndValue(360.0);
    m_rotation->setDuration(3000);
    m_rotation->setLoopCount(-1);
    ProgressIcon *icon = m_view->progressIconView();
    connect(m_rotation, &QVariantAnimation::valueChanged, icon,
            [icon](const QVariant &degrees) { icon->setRotation(degrees.toReal()); });
    m_rotation->start();
}
