#include "profilelistviewcontroller.h"

#include "bottomleftspace.h"
#include "profilelistview.h"

ProfileListViewController::ProfileListViewController(QObject *parent)
    : QObject(parent)
    , m_profileListView(new ProfileListView)
{}

ProfileListViewController::~ProfileListViewController()
{
    delete m_profileListView.data();
}

ProfileListView *ProfileListViewController::profileListView() const
{
    return m_profileListView;
}

void ProfileListViewController::placeOn(QWidget *pageView, QPointF origin)
{
    m_profileListView->setParent(pageView);
    const QRectF frame =
        BottomLeftSpace(pageView->height()).frame(origin, m_profileListView->size());
    m_profileListView->move(frame.topLeft().toPoint());
    m_profileListView->raise();
    m_profileListView->show();
}

void ProfileListViewController::removeFromPage()
{
    m_profileListView->hide();
    m_profileListView->setParent(nullptr);
}
