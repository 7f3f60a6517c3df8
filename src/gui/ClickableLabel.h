#pragma once

#include <QLabel>

namespace varo {

// A label that reports a click: the link labels and the tip sheet's row labels.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Text written from bottom to top, for the narrow side panels of the tip page.
class VerticalLabel : public QWidget {
  public:
    VerticalLabel(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace varo
