#include "ui/window/Vistarel_u.h"

#include "album/BuildCommand.h"
#include "album/LoadCommand.h"
#include "common/Messages.h"
#include "common/Version.h"
#include "page/CodeOnlyCommand.h"
#include "styles/StyleCommands.h"
#include "ui/button/LbSpeedButton.h"
#include "ui/controls/ControlFactory.h"
#include "ui/controls/LayoutScale.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/dialogs/ExSelectDirectory.h"
#include "ui/editors/CommentEditor.h"
#include "ui/editors/StyleEditor.h"
#include "ui/window/CaptionFit.h"
#include "ui/window/HelpView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vistarel {
namespace {

const QRect kClientArea(0, 0, 334, 327);
// How much the layout grows per try when the desktop font's family is wider than the
// grid's, and the most it may grow beyond the font's own scale.
constexpr double kScaleStep = 1.0 / 32;
constexpr int kMostScaleSteps = 32;

// Tabs with less padding around their captions, so the five of them fit the narrow window.
class CompactTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The album holds them, but their damaged part may show as a grey band.
std::string damagedPhotosText(const std::vector<std::string>& photos) {
    std::string text = "Některé snímky jsou poškozené, v albu nemusí být celé:";
    for (const std::string& photo : photos)
        text += kCrLf + photo;
    return text;
}

QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption) {
    auto* page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, caption);
    return page;
}

} // namespace

TfVL::TfVL(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fVL"));
    setWindowTitle(QStringLiteral("Vistarel ") + QString::fromLatin1(kProgramVersion));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createPages();
    scaleToDesktopFont();
    connectHandlers();
    centreOnScreen();
    FormCreate();
}

TfVL::~TfVL() = default;

void TfVL::createPages() {
    PG = new QTabWidget(this);
    PG->setObjectName(QStringLiteral("PG"));
    placeOnGrid(PG, kClientArea);
    PG->setUsesScrollButtons(false);
    PG->setElideMode(Qt::ElideNone);
    PG->tabBar()->setExpanding(false);
    // The proxy takes the base style it wraps; the window owns the proxy.
    auto* tabStyle = new CompactTabStyle(QStyleFactory::create(style()->name()));
    tabStyle->setParent(this);
    PG->tabBar()->setStyle(tabStyle);

    options_ = buildOptionsPage(addPage(PG, "TSVolby", QStringLiteral("Základní volby")));

    commentEditor = new CommentEditor(state_, nullptr);
    commentEditor->setObjectName(QStringLiteral("TSKoment"));
    PG->addTab(commentEditor, QStringLiteral("Komentáře"));

    look_ = buildLookPage(addPage(PG, "TSVzhled", QStringLiteral("Vzhled")));

    QWidget* helpPage = addPage(PG, "TabSheet1", QStringLiteral("Nápověda"));
    reHelp = new HelpView(*this, helpPage);
    auto* helpLayout = new QVBoxLayout(helpPage);
    helpLayout->setContentsMargins(0, 0, 0, 0);
    helpLayout->addWidget(reHelp);

    QWidget* aboutPage = addPage(PG, "TSAbout", QStringLiteral("O programu"));
    Image1 = new QLabel(aboutPage);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeOnGrid(Image1, {0, -13, 327, 315});
    Image1->setPixmap(QPixmap(QStringLiteral(":/about.png")));
    Image1->setScaledContents(true);
    PG->setCurrentIndex(TabAlbum);
}

// The window keeps the desktop's font at its size and takes the scale that font asks for;
// a family wider than the grid's own needs a little more room, so the layout grows in small
// steps until every caption fits.
void TfVL::scaleToDesktopFont() {
    scale_ = layoutScaleForFont(font(), logicalDpiY());
    for (int step = 0;; ++step) {
        applyLayoutScale(this, scale_);
        if (step == kMostScaleSteps || clippedCaptions(this).isEmpty())
            break;
        scale_ += kScaleStep;
    }
    setFixedSize(scaledRect(kClientArea, scale_).size());
}

void TfVL::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfVL::connectHandlers() {
    connect(PG, &QTabWidget::currentChanged, this, &TfVL::PGChange);
    for (TLbSpeedButton* button : {options_.btnAdrImput, options_.btnAdrOutput})
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { btnAdrImputClick(tagOf(button)); });
    for (QComboBox* combo : {options_.cmbNahled, options_.cmbSnimky})
        connect(combo, &QComboBox::currentTextChanged, this, &TfVL::cmbNahledChange);
    for (QSlider* slider : {look_.tbQNahled, look_.tbQSnimek})
        connect(slider, &QSlider::valueChanged, this, [this, slider] { edtQNahledChange(slider); });
    for (QLineEdit* edit : {look_.edtQNahled, look_.edtQSnimek})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { edtQNahledChange(edit); });

    connect(options_.btnNactiKeZprac, &QAbstractButton::clicked, this, &TfVL::btnNactiKeZpracClick);
    connect(options_.btnVytvoritAlbum, &QAbstractButton::clicked, this,
            &TfVL::btnVytvoritAlbumClick);
    connect(options_.btnPouzeKod, &QAbstractButton::clicked, this, &TfVL::btnPouzeKodClick);
    connect(options_.btnStop, &QAbstractButton::clicked, this, &TfVL::btnStopClick);
    connect(options_.btnStylUpravit, &QAbstractButton::clicked, this, &TfVL::btnStylUpravitClick);
    connect(options_.btnStylNovy, &QAbstractButton::clicked, this, &TfVL::btnStylNovyClick);
    connect(look_.LbSpeedButton1, &QAbstractButton::clicked, this, &TfVL::btnStylNovyClick);
    connect(look_.btnUlozStyl, &QAbstractButton::clicked, this, &TfVL::btnUlozStylClick);
}

void TfVL::FormCreate() {
    if (const StyleOutcome listed = ListStyles(*this); listed.styles)
        setStyleList(*listed.styles);
    look_.styleEditor->paintAllSwatches(palette().color(QPalette::Window));
}

void TfVL::PGChange(int index) {
    if (index == TabHelp)
        reHelp->LoadHelp();
}

void TfVL::btnAdrImputClick(int tag) {
    // Any new folder choice means the catalogue has to be loaded again before a build.
    options_.btnVytvoritAlbum->setEnabled(false);
    const bool input = tag == 1;
    QLineEdit* edit = input ? options_.edtAdrInput : options_.edtAdrOutput;
    const QString prompt = input ? QStringLiteral("Vyberte složku se snímky.")
                                 : QStringLiteral("Vyberte složku pro Vistarel.");
    if (const auto folder = ExSelectDirectory(this, prompt, edit->text(), !input))
        edit->setText(*folder);
}

void TfVL::cmbNahledChange() {
    state_.resolutionChanged = true;
}

void TfVL::edtQNahledChange(const QObject* control) {
    switch (tagOf(control)) {
    case 1:
        look_.edtQNahled->setText(QString::number(look_.tbQNahled->value()));
        break;
    case 2:
        look_.edtQSnimek->setText(QString::number(look_.tbQSnimek->value()));
        break;
    case 3:
        look_.tbQNahled->setValue(look_.edtQNahled->text().toInt());
        break;
    case 4:
        look_.tbQSnimek->setValue(look_.edtQSnimek->text().toInt());
        break;
    }
}

void TfVL::btnNactiKeZpracClick() {
    const LoadOutcome loaded = runLoadCommand(state_, readSettings(), *this);
    if (loaded.ending != Ending::Done)
        return;
    options_.btnVytvoritAlbum->setEnabled(true);
    // The comment editor must forget the photos it was showing.
    commentEditor->resetToStart();
}

void TfVL::btnVytvoritAlbumClick() {
    const BuildOutcome built = runBuildCommand(state_, readSettings(), *this);
    if (built.loopEnded)
        commentEditor->ShowFirstPhoto(built.photoCount);
    if (built.pageReached)
        options_.btnPouzeKod->setEnabled(true);
    if (built.ending != Ending::Failed && !built.damagedPhotos.empty())
        showNotice(*this, damagedPhotosText(built.damagedPhotos));
    if (closeAfterBuild_)
        close();
}

void TfVL::btnPouzeKodClick() {
    if (runCodeOnlyCommand(state_, readSettings(), *this).pageReached)
        options_.btnPouzeKod->setEnabled(true);
}

void TfVL::btnStopClick() {
    state_.stopRequested = true;
}

void TfVL::btnStylUpravitClick() {
    if (readStyleCommand(readSettings(), *look_.styleEditor, *this).ending == Ending::Done)
        showStyleList();
}

void TfVL::btnStylNovyClick() {
    look_.styleEditor->newStyle();
    showStyleList();
}

// The keyboard goes along to the list, rather than staying with a button on a hidden page.
void TfVL::showStyleList() {
    PG->setCurrentIndex(TabStyle);
    look_.styleEditor->setFocus(Qt::OtherFocusReason);
}

void TfVL::btnUlozStylClick() {
    if (const StyleOutcome saved = saveStyleCommand(*look_.styleEditor, *this); saved.styles)
        setStyleList(*saved.styles);
}

void TfVL::closeEvent(QCloseEvent* event) {
    if (buildRunning_) {
        // The build loop is further down this very call stack: ask it to stop and close
        // once it has returned.
        state_.stopRequested = true;
        closeAfterBuild_ = true;
        event->ignore();
        return;
    }
    event->accept();
}

AlbumSettings TfVL::readSettings() const {
    AlbumSettings settings;
    settings.albumName = options_.edtNazevAlba->text().toStdString();
    settings.inputFolder = options_.edtAdrInput->text().toStdString();
    settings.outputFolder = options_.edtAdrOutput->text().toStdString();
    settings.thumbSizeText = options_.cmbNahled->currentText().toStdString();
    settings.photoSizeText = options_.cmbSnimky->currentText().toStdString();
    settings.thumbQuality = look_.tbQNahled->value();
    settings.photoQuality = look_.tbQSnimek->value();
    settings.styleName = options_.cmbStyl->currentText().toStdString();
    settings.previewWidth = commentEditor->previewBoxWidth();
    settings.previewHeight = commentEditor->previewBoxHeight();
    return settings;
}

void TfVL::setStyleList(const std::vector<std::string>& names) {
    options_.cmbStyl->clear();
    for (const std::string& name : names)
        options_.cmbStyl->addItem(QString::fromStdString(name));
    options_.cmbStyl->setCurrentIndex(names.empty() ? -1 : 0);
}

MessageAnswer TfVL::showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                                MessageButtons buttons) {
    return DialogHook::instance().message(this, QString::fromStdString(text),
                                          QString::fromStdString(title), icon, buttons);
}

void TfVL::setBuildRunning(bool running, int photoCount) {
    buildRunning_ = running;
    options_.btnVytvoritAlbum->setVisible(!running);
    options_.btnPouzeKod->setVisible(!running);
    if (running) {
        // A single photo would give the range 0..0, which Qt draws as an endless busy bar.
        options_.pbProces->setRange(0, photoCount > 1 ? photoCount - 1 : 1);
        options_.pbProces->setValue(0);
    }
    options_.pbProces->setVisible(running);
    options_.btnStop->setVisible(running);
    // The catalogue and its folders must not change under a running build.
    for (QWidget* control : {static_cast<QWidget*>(options_.btnNactiKeZprac),
                             static_cast<QWidget*>(options_.btnAdrImput),
                             static_cast<QWidget*>(options_.btnAdrOutput)})
        control->setEnabled(!running);
    if (running)
        processPendingEvents();
}

void TfVL::setProgressPosition(int position) {
    options_.pbProces->setValue(position);
}

void TfVL::processPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace vistarel
