#include "ui/controls/ControlFactory.h"

#include "ui/button/LbSpeedButton.h"
#include "ui/controls/GroupFrameStyle.h"
#include "ui/controls/LayoutScale.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QVariant>

namespace vistarel {
namespace {

// Only the weight is set: the family and size come from the window, which has the
// desktop's.
void useNormalWeight(QWidget* control) {
    QFont font;
    font.setBold(false);
    control->setFont(font);
}

// An edit drawn with a thin one-pixel border instead of the sunken frame; the border takes
// the highlight colour while the edit has the focus, which a read-only edit shows no other way.
class FlatEdit : public QLineEdit {
public:
    FlatEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
        setFrame(false);
        setTextMargins(1, 1, 1, 1);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// A command button whose glyph is drawn anew at the size the window's scale gives it.
class FlatButton : public TLbSpeedButton, public ScalesWithLayout {
public:
    FlatButton(const QString& glyphName, int glyphSize, QWidget* parent)
        : TLbSpeedButton(parent), glyphName_(glyphName), glyphSize_(glyphSize) {
        setLayoutScale(1.0);
    }
    void setLayoutScale(double scale) override {
        setGlyph(scaledIcon(glyphName_, glyphSize_ * scale, devicePixelRatioF()));
        setNumGlyphs(1);
    }

private:
    QString glyphName_;
    int glyphSize_;
};

template <class Control>
Control* placed(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    placeOnGrid(control, geometry);
    useNormalWeight(control);
    return control;
}

} // namespace

void setTag(QObject* control, int tag) {
    control->setProperty("tag", tag);
}

int tagOf(const QObject* control) {
    return control ? control->property("tag").toInt() : 0;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
    auto* label = placed(new QLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* makeFlatEdit(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text, bool readOnly) {
    auto* edit = placed(new FlatEdit(text, parent), name, geometry);
    edit->setReadOnly(readOnly);
    edit->setCursorPosition(0);
    return edit;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QRect& geometry,
                     const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    placeOnGrid(group, geometry);
    QFont bold;
    bold.setBold(true);
    group->setFont(bold);
    // The parent outlives the group, so the style outlives every use of it.
    auto* style = new GroupFrameStyle(group->style()->name());
    style->setParent(parent);
    group->setStyle(style);
    return group;
}

QComboBox* makeSizeCombo(QWidget* parent, const char* name, const QRect& geometry,
                         const QStringList& entries, const QString& text) {
    auto* combo = placed(new QComboBox(parent), name, geometry);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(text)));
    combo->setEditText(text);
    return combo;
}

QComboBox* makeDropDownList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* combo = placed(new QComboBox(parent), name, geometry);
    combo->setEditable(false);
    return combo;
}

TLbSpeedButton* makeFlatButton(QWidget* parent, const char* name, const QRect& geometry,
                               const QString& caption, const QString& glyphName, int glyphSize) {
    auto* button = placed(new FlatButton(glyphName, glyphSize, parent), name, geometry);
    button->setStyle(bsModern);
    button->setFlat(true);
    button->setHotTrackColor(QColor(214, 230, 248));
    button->setCaption(caption);
    return button;
}

} // namespace vistarel
