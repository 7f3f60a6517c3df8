#include "gui/WidgetFactory.h"

namespace varo::widgets {
namespace {

template <typename W>
W* placed(W* widget, const char* name, const QRect& at) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    return widget;
}

}  // namespace

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& at,
                    const QString& hint) {
    auto* b = placed(new QPushButton(caption, parent), name, at);
    b->setAccessibleName(QString(caption).remove('&'));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

QToolButton* imageButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint,
                         const QRect& at) {
    auto* b = placed(new QToolButton(parent), name, at);
    b->setIcon(icon);
    b->setIconSize(at.size() - QSize(6, 6));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& at) {
    return placed(new QLabel(text, parent), name, at);
}

QLabel* valueLabel(QWidget* parent, const char* name, const QString& description, const QRect& at) {
    auto* l = placed(new QLabel(parent), name, at);
    l->setAccessibleDescription(description);
    return l;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QRect& at) {
    auto* c = placed(new QCheckBox(caption, parent), name, at);
    c->setAccessibleName(caption);
    return c;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& accessibleName, const QRect& at) {
    auto* e = placed(new QLineEdit(parent), name, at);
    e->setAccessibleName(accessibleName);
    return e;
}

QSpinBox* spinBox(QWidget* parent, const char* upDownName, const char* editName,
                  const QString& accessibleName, const QRect& at) {
    auto* s = placed(new QSpinBox(parent), upDownName, at);
    s->setAccessibleName(accessibleName);
    s->setAlignment(Qt::AlignRight);
    if (auto* field = s->findChild<QLineEdit*>())
        field->setObjectName(QString::fromLatin1(editName));
    return s;
}

QDateEdit* datePicker(QWidget* parent, const char* name, const QString& accessibleName,
                      const QRect& at) {
    auto* d = placed(new QDateEdit(parent), name, at);
    d->setAccessibleName(accessibleName);
    d->setCalendarPopup(true);
    d->setDisplayFormat("dd.MM.yyyy");
    return d;
}

}  // namespace varo::widgets
