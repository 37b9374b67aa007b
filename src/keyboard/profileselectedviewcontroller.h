#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ProfileSelectedView;
class QLabel;

// The profile tile of a page: names the shown profile; a click on it opens or closes the page's
// profile list.
class ProfileSelectedViewController : public QObject
{
    Q_OBJECT

public:
    explicit ProfileSelectedViewController(QObject *parent = nullptr);
    ~ProfileSelectedViewController() override;

    ProfileSelectedView *profileview() const;
    QLabel *text() const;

    // Shows the name of profile index 0 to 3, profile 1's for any other index, in the normal
    // look.
    void updateTextValue(int textValueIndex);
    // The normal look, as when the list has been closed.
    void updateBackground();

    // "Profile1" to "Profile4" for 0 to 3, "Profile1" otherwise; the same in every language.
    static QString profileName(int index);

private:
    QPointer<ProfileSelectedView> m_profileview;
};
