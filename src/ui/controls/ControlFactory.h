#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace vistarel {

class TLbSpeedButton;

// Small helpers that create the window's controls at fixed positions, named as the rest
// of the program knows them, so the page builders read like the window's layout.

// Handlers that serve several controls tell them apart by this number.
void setTag(QObject* control, int tag);
int tagOf(const QObject* control);

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text);
// An edit with a thin one-pixel frame, as the window's edits are drawn.
QLineEdit* makeFlatEdit(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text, bool readOnly);
// A group whose caption is bold while its controls keep the window's normal font.
QGroupBox* makeGroup(QWidget* parent, const char* name, const QRect& geometry,
                     const QString& title);
// A combo box the user can type into, or a plain drop-down list when entries is empty.
QComboBox* makeSizeCombo(QWidget* parent, const char* name, const QRect& geometry,
                         const QStringList& entries, const QString& text);
QComboBox* makeDropDownList(QWidget* parent, const char* name, const QRect& geometry);

// A command button: flat, modern face, light blue while the pointer is over it, with a
// glyph from the program's resources (glyphName plus the size, e.g. "gear" + 16).
TLbSpeedButton* makeFlatButton(QWidget* parent, const char* name, const QRect& geometry,
                               const QString& caption, const QString& glyphName,
                               int glyphSize = 16);

} // namespace vistarel
