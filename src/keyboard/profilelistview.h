#pragma once

#include <QList>
#include <QWidget>

class ProfileItem;

// The drop-down list of the four profiles, raised over the page with a shadow. A click on an
// entry tells the page which profile was chosen; the page closes the list.
class ProfileListView : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileListView(QWidget *parent = nullptr);

    // The entry of profile index 0 to 3.
    ProfileItem *profileButton(int index) const { return m_profileButtons.at(index); }

    // Entry index + 1 was clicked: hands index to the page that holds the list, if any.
    void profileAction(int index);

    static constexpr QSize viewSize{150, 125};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ProfileItem *> m_profileButtons;
};
