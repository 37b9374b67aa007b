#include "keymapfixture.h"
#include "utility.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int runs = 150;
constexpr int editsPerRun = 40;

// Usages that meet every key-change rule: plain keys, companions, Fn keys, shortcuts, mouse and
// gesture functions, nothing.
const QList<int> usages{0x04,   0x2c,   9,     6,     0x1d,  0xe0,   0xf4,   0x5101,
                        0x5102, 0x5103, 0x104, 0x1e0, 0x100, 0x5f80, 0x5fa2, 0};
const QList<int> slideKeys{86, 87, 101, 102, 108, 109, 116, 117};

// One random edit of the page, as steps; every message is answered OK at once.
QString randomEdit(QRandomGenerator &random)
{
    static const QStringList edits{"key:%k pal:%u",   "pal:%u key:%k", "drag:%u drop:%k",
                                   "slide:%s pal:%u", "layer:%l",      "tab:%l",
                                   "pad:%p",          "stick",         "rollback",
                                   "factory",         "file",          "key:%k special"};
    QString edit = edits.at(random.bounded(int(edits.size())));
    edit.replace("%k", QString::number(random.bounded(120)))
        .replace("%u", QString::number(usages.at(random.bounded(int(usages.size())))))
        .replace("%s", QString::number(slideKeys.at(random.bounded(int(slideKeys.size())))))
        .replace("%l", QString::number(random.bounded(4)))
        .replace("%p", QString::number(1 + random.bounded(4)));
    return edit;
}

bool sameEntries(const ProfileListDataEntity &first, const ProfileListDataEntity &second)
{
    for (int profile = 0; profile < 4; ++profile) {
        for (FnMode layer : ProfileDataEntity::layerModes) {
            if (first.profile(profile).layer(layer) != second.profile(profile).layer(layer))
                return false;
        }
    }
    return true;
}

// Whether what is shown differs from what the keyboard holds, over all four profiles.
bool differsFromKeyboard(const KeymapEditModel &model)
{
    return !Utility::isSameProfiles(model.currentProfilesdata(), model.physicalProfilesData()) ||
           model.currentGesturePads() != model.physicalGesturePads() ||
           model.isPointStickOn() != model.physicalPointingStick();
}

} // namespace

// Random edits of every kind, each followed by the check that the write button tells whether
// the page differs from the keyboard; undoing them all gives the keyboard's state back.
class tst_RandomEdits : public QObject
{
    Q_OBJECT

private slots:
    void undoAllGivesTheFirstStateBack()
    {
        for (quint32 seed = 1; seed <= runs; ++seed) {
            QRandomGenerator random(seed);
            KeymapFixture fixture(
                QString("1:F2[5]=0x2c pads=1%1 %2")
                    .arg(random.bounded(2) ? "110" : "010", random.bounded(2) ? "stick" : ""));
            const QByteArray where = "seed " + QByteArray::number(seed);
            QString played;
            for (int edit = 0; edit < editsPerRun; ++edit) {
                const QString steps = randomEdit(random);
                played += steps + " | ";
                if (steps == "file") {
                    const auto file = KeymapFixture::profiles(
                        QString("%1[%2]=0x70")
                            .arg(QStringList{"N", "F1", "F2", "F3"}[random.bounded(4)])
                            .arg(random.bounded(120)));
                    fixture.model.performKeymapAndTapAndGesture(
                        file->profile(0), random.bounded(2) == 1,
                        {random.bounded(2) == 1, true, true, true});
                } else {
                    fixture.run(steps);
                }
                QVERIFY2(fixture.model.isWriteButtonEnabled() == differsFromKeyboard(fixture.model),
                         where + ": " + played.toUtf8());
            }

            const KeymapEditModel &model = fixture.model;
            for (qsizetype left = model.profileHistory().items.size(); left > 0; --left) {
                fixture.run("undo");
                QVERIFY2(model.profileHistory().items.size() == left - 1, where);
                QVERIFY2(model.isWriteButtonEnabled() == differsFromKeyboard(model), where);
            }
            QVERIFY2(sameEntries(model.currentProfilesdata(), model.physicalProfilesData()), where);
            QVERIFY2(model.currentGesturePads() == model.physicalGesturePads(), where);
            QVERIFY2(model.isPointStickOn() == model.physicalPointingStick(), where);
            QVERIFY2(!model.isUndoButtonEnabled(), where);
        }
    }
};

QTEST_GUILESS_MAIN(tst_RandomEdits)
#include "tst_randomedits.moc"
