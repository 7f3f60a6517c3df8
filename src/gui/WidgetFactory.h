#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace varo::widgets {

// Freely placed controls at their design geometry (96 dpi pixels). Each gets its component
// name as objectName and an accessible name a screen-reader user understands.

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& at,
                    const QString& hint = {});

QToolButton* imageButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint,
                         const QRect& at);

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& at);

// A label whose text the program changes; the description says what it shows.
QLabel* valueLabel(QWidget* parent, const char* name, const QString& description, const QRect& at);

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QRect& at);

QLineEdit* edit(QWidget* parent, const char* name, const QString& accessibleName, const QRect& at);

// A spin box: the up-down control with its edit field.
QSpinBox* spinBox(QWidget* parent, const char* upDownName, const char* editName,
                  const QString& accessibleName, const QRect& at);

QDateEdit* datePicker(QWidget* parent, const char* name, const QString& accessibleName,
                      const QRect& at);

}  // namespace varo::widgets
