#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class ProfileListView;
class QWidget;

// The profile drop-down list of a page: made anew each time the page opens it, placed over the
// page and taken off again when the page closes it.
class ProfileListViewController : public QObject
{
    Q_OBJECT

public:
    explicit ProfileListViewController(QObject *parent = nullptr);
    ~ProfileListViewController() override;

    ProfileListView *profileListView() const;

    // Puts the list on pageView at origin (page coordinates, y upwards), above everything else
    // there.
    void placeOn(QWidget *pageView, QPointF origin);
    // Takes the list off its page; its entries then choose nothing.
    void removeFromPage();

private:
    QPointer<ProfileListView> m_profileListView;
};
