#include "ui/about/AboutWindow.h"

#include "engine/Prompt.h"
#include "engine/Version.h"
#include "help/Addresses.h"
#include "help/Links.h"
#include "help/SupportEmail.h"
#include "ui/about/ClickableLabel.h"
#include "ui/common/FittedText.h"
#include "ui/common/Contrast.h"
#include "ui/common/Cursors.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowParts.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace {
constexpr int ClientWidth = 3945;
constexpr int ClientHeight = 2430;
constexpr QSize DonateSize(62, 31);

template <typename Label> Label* placeLabel(QWidget* parent, const char* name, const QString& text, const QRect& box)
{
    auto* label = new Label(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

// The author's addresses look and behave like links.
void makeLink(QLabel* label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Cursors::hand());
}

// The theme's link colour, readable on the window's text-field background,
// where a label draws with the Text role.
void colourLink(QLabel* label)
{
    const QPalette theme = QApplication::palette(label);
    const QColor link = Contrast::readableOn(theme.color(QPalette::Link), theme.color(QPalette::Base));
    QPalette palette = label->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, link);
    label->setPalette(palette);
}

// Liberation Sans runs wider than the face the boxes were drawn for: a centred
// label grows evenly about its centre, within the window, rather than clip.
void growAboutCentre(QLabel* label, int clientWidth)
{
    QRect box = label->geometry();
    const int extra = label->sizeHint().width() - box.width();
    if (extra <= 0)
        return;
    box.adjust(-extra / 2, 0, extra - extra / 2, 0);
    box.setLeft(std::max(box.left(), 0));
    box.setRight(std::min(box.right(), clientWidth - 1));
    label->setGeometry(box);
}
} // namespace

AboutWindow::AboutWindow(Prompt& prompt, Links& links, SupportEmail& support, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_links(links), m_support(support)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Earnmeter"));
    setFont(LegacyFont::sansSerif(8.25));
    // Painted in the text-field colour, like the program's other windows.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    createControls();
    applyColours();
    Form_Load();
    createLayout();
    connectActions();
}

void AboutWindow::ShowAbout()
{
    // The tray can ask again while the window is open; a second modal loop would nest.
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    cmdOK->setFocus();
    exec();
}

void AboutWindow::createControls()
{
    cmdInfo = WindowParts::button(this, "cmdInfo", tr("&Info"), 2023, 1920, 975, 375);
    cmdInfo->setAccessibleName(tr("Program information"));
    cmdOK = WindowParts::button(this, "cmdOK", tr("&OK"), 947, 1920, 975, 375);
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->setDefault(true);

    lblWeb = placeLabel<ClickableLabel>(this, "lblWeb", QString(), Twips::rect(120, 1620, 3615, 255));
    makeLink(lblWeb);
    Label2 = placeLabel<QLabel>(this, "Label2", tr("\"How much money did you make today?\""),
                                Twips::rect(360, 720, 3135, 255));
    lblEmail = placeLabel<ClickableLabel>(this, "lblEmail", QString(), Twips::rect(600, 1320, 2655, 255));
    makeLink(lblEmail);
    lblAbout = placeLabel<QLabel>(this, "lblAbout", tr("About"), Twips::rect(1080, 240, 1695, 255));
    lblAbout->setFont(LegacyFont::sansSerif(8.25, true));
    lblBy = placeLabel<QLabel>(this, "lblBy", tr("by Dorvan Quellis"), Twips::rect(840, 1070, 2175, 255));

    imgDonate = new ClickableLabel(this);
    imgDonate->setObjectName(QStringLiteral("imgDonate"));
    imgDonate->setAccessibleName(tr("Donate"));
    imgDonate->setGeometry(Twips::rect(120, 120, 930, 465));
    // QIcon picks the @2x artwork on a high-density screen by itself.
    imgDonate->setPixmap(QIcon(QStringLiteral(":/earnmeter/donate.png")).pixmap(DonateSize));
    imgDonate->setCursor(Cursors::hand());
}

void AboutWindow::Form_Load()
{
    lblBy->setText(tr("Written by Dorvan Quellis"));
    lblEmail->setText(QString::fromUtf8(Addresses::SupportEmail));
    lblWeb->setText(QString::fromUtf8(Addresses::WebPage));
    lblAbout->setText(QString::fromUtf8(Version::ProductName) + QLatin1Char(' ') +
                      QString::fromStdString(VersionText()));
    lblWeb->setAccessibleDescription(tr("Opens the web page"));
    lblEmail->setAccessibleDescription(tr("Writes a support e-mail"));
    imgDonate->setAccessibleDescription(tr("Opens the donation page"));
    FittedText::fitCaptions(this);
}

void AboutWindow::applyColours()
{
    colourLink(lblWeb);
    colourLink(lblEmail);
}

void AboutWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
    QDialog::changeEvent(event);
}

void AboutWindow::createLayout()
{
    const int width = Twips::toPixels(ClientWidth);
    for (QLabel* label : std::initializer_list<QLabel*>{lblWeb, Label2, lblEmail, lblAbout, lblBy})
        growAboutCentre(label, width);
    setFixedSize(width, Twips::toPixels(ClientHeight));
}

void AboutWindow::connectActions()
{
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &AboutWindow::cmdInfo_Click);
    connect(lblWeb, &ClickableLabel::clicked, this, &AboutWindow::lblWeb_Click);
    connect(imgDonate, &ClickableLabel::clicked, this, &AboutWindow::imgDonate_Click);
    connect(lblEmail, &ClickableLabel::clicked, this, &AboutWindow::lblEmail_Click);
}

void AboutWindow::cmdOK_Click()
{
    // Hiding ends the modal display and keeps the window for the next time.
    accept();
}

void AboutWindow::cmdInfo_Click()
{
    Message message;
    message.text = m_support.ProgramInfo();
    message.caption = "Program Info";
    message.buttons = Message::Buttons::Ok;
    message.icon = Message::Icon::Information;
    m_prompt.ask(message);
}

void AboutWindow::lblWeb_Click()
{
    m_links.OpenWebPage();
}

void AboutWindow::imgDonate_Click()
{
    m_links.OpenDonatePage();
}

void AboutWindow::lblEmail_Click()
{
    m_support.SendSupportEmail();
}
