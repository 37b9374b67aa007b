#pragma once

#include <QWidget>

// The busy icon of the progress page: a ring with a bright arc, drawn turned by its rotation.
class ProgressIcon : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressIcon(QWidget *parent = nullptr);

    // Degrees clockwise.
    qreal rotation() const { return m_rotation; }
    void setRotation(qreal degrees);

    QSize sizeHint() const override { return {56, 56}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_rotation = 0.0;
};
