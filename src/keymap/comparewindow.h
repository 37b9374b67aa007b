#pragma once

#include <QDialog>

class MsgButton;
class QLabel;

// The compare window's frame: a description above the two DIP-switch panels its controller puts
// in, and a close button. Every way of closing it (the button, Escape, the window's close box)
// only asks for the close; the window goes when its owner hides it.
class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    // The content's size; the panels' origins are counted from its bottom left.
    static constexpr QSize contentSize{605, 260};

    explicit CompareWindow(QWidget *parent = nullptr);

    QLabel *compareWindowLabel() const { return m_compareWindowLabel; }
    MsgButton *compareWindowButton() const { return m_compareWindowButton; }

    void reject() override;

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void awakeFromNib();

    QLabel *m_compareWindowLabel = nullptr;
    MsgButton *m_compareWindowButton = nullptr;
};
