#include "ui/sobrepitwindow.h"

#include <QEvent>
#include <QFrame>
#include <QUrl>

#include <array>

#include "kit/accessibility.h"
#include "kit/assets.h"
#include "kit/clicklabel.h"
#include "kit/look.h"

namespace ui {
namespace {

const QColor kWindowBack(64, 64, 64);
const QColor kFrameDesignBack(224, 224, 224);
const QColor kFrameBack(245, 245, 245);
const QColor kLinkLit(0, 0, 128);

// The first paragraph breaks off mid-sentence on screen; the second carries it on.
const char kParagraph1[] = QT_TRANSLATE_NOOP(
    "ui::SobrePitWindow", "Pitágoras de Samos (c. 570 – c. 495 a. C.), filósofo y matemático griego, "
                          "considerado el primer matemático puro. Su aporte a la matemática griega fue la");

const char kParagraph2[] = QT_TRANSLATE_NOOP(
    "ui::SobrePitWindow", "geometría y la aritmética derivadas de las relaciones numéricas, junto con sus "
                          "aplicaciones a la música, a la astronomía y al estudio de pesos y medidas. "
                          "Para él, el número era el principio de todas las cosas. En Crotona, al sur de "
                          "Italia, fundó una hermandad a la vez religiosa, filosófica y científica, cuyos "
                          "miembros compartían sus bienes, seguían reglas de vida estrictas y guardaban "
                          "en secreto las enseñanzas del maestro.");

const char kParagraph3[] = QT_TRANSLATE_NOOP(
    "ui::SobrePitWindow", "No se conserva ningún escrito de Pitágoras, y es probable que nunca fijara "
                          "su doctrina por escrito. Lo que sabemos de él nos llega por autores "
                          "posteriores, y sus seguidores, los pitagóricos, solían atribuirle sus "
                          "propios hallazgos, de modo que es difícil separar su obra de la de su "
                          "escuela. Se le atribuyen el teorema de los triángulos rectángulos que lleva "
                          "su nombre, la división de los números en pares e impares, el estudio de los "
                          "números figurados y perfectos, la relación entre la longitud de una cuerda "
                          "y los intervalos musicales, y la idea de que la Tierra es una esfera.");

// A paragraph is read out by its own text, made whole sentences once all are
// built. The keyboard stops on each, so that a screen reader reads the text
// from the first paragraph, which has the focus when the window opens.
kit::ClickLabel* paragraph(QWidget* parent, const char* name, const char* text)
{
    auto* label = new kit::ClickLabel(parent);
    label->setFocusPolicy(Qt::TabFocus);
    const QString shown = SobrePitWindow::tr(text);
    kit::identify(label, QString::fromUtf8(name), shown);
    label->setText(shown);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(kit::font(kit::Typeface::Calibri, 12));
    kit::setTextColour(label, Qt::black);
    return label;
}

// Places a paragraph's text at the layout's place, with room round it for the focus mark.
void placeParagraph(QLabel* paragraph, int left, int top, int width, int height)
{
    kit::place(paragraph, left, top, width, height);
    const int room = kit::kFocusMarkWidth + 1;
    paragraph->setMargin(room);
    paragraph->setGeometry(paragraph->geometry().adjusted(-room, -room, room, room));
}

// Where the first sentence of a paragraph ends, just past its full stop.
qsizetype firstSentenceEnd(const QString& text)
{
    const qsizetype stop = text.indexOf(QLatin1String(". "));
    return stop < 0 ? text.size() : stop + 1;
}

// A screen reader reads each paragraph on its own, and one that breaks off in
// mid-sentence would be heard cut. Each is told from its first whole sentence
// to the end of the sentence it breaks off in; what is shown stays as it is.
void tellWholeSentences(const std::array<kit::ClickLabel*, 3>& paragraphs)
{
    const auto breaksOff = [](const QLabel* paragraph) {
        return !paragraph->text().trimmed().endsWith(QLatin1Char('.'));
    };
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        QString told = paragraphs[i]->text();
        if (i > 0 && breaksOff(paragraphs[i - 1]))
            told = told.mid(firstSentenceEnd(told)).trimmed();
        if (i + 1 < paragraphs.size() && breaksOff(paragraphs[i])) {
            const QString next = paragraphs[i + 1]->text();
            told += QLatin1Char(' ') + next.left(firstSentenceEnd(next));
        }
        paragraphs[i]->setAccessibleName(told);
    }
}

} // namespace

SobrePitWindow::SobrePitWindow(kit::ToolContext& context) : ToolWindow(context, MenuOnClose::Leave)
{
    setWindowTitle(tr("Sobre Pitágoras"));
    kit::setBackColour(this, kWindowBack);
    setMouseTracking(true);
    buildFrame();
    buildPortrait();
    buildParagraphs();
    buildLink();
    m_Label1->setFocus(); // the reading starts at the first paragraph
    kit::setClientSize(this, 6975, 8310);
    Form_Load();
}

void SobrePitWindow::buildFrame()
{
    m_Frame1 = new QFrame(this);
    // Unnamed: the window's title says it already.
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    kit::exposePanel(m_Frame1);
    m_Frame1->setFrameShape(QFrame::NoFrame);
    kit::setBackColour(m_Frame1, kFrameDesignBack);
    kit::place(m_Frame1, 120, 120, 6735, 8055);
    m_Frame1->setMouseTracking(true);
    m_Frame1->installEventFilter(this);
}

void SobrePitWindow::buildPortrait()
{
    // A picture, not a button: it takes the mouse so the frame below does not
    // react, and handles nothing.
    m_cmdButton1 = new kit::ClickLabel(m_Frame1);
    kit::identify(m_cmdButton1, QStringLiteral("cmdButton1"), tr("Retrato de Pitágoras"));
    kit::place(m_cmdButton1, 120, 120, 1095, 1095);
    kit::showPicture(m_cmdButton1, QString::fromLatin1(kit::picture::kPortrait));
}

void SobrePitWindow::buildParagraphs()
{
    m_Label1 = paragraph(m_Frame1, "Label1", kParagraph1);
    placeParagraph(m_Label1, 1320, 120, 5295, 1215);
    m_Label2 = paragraph(m_Frame1, "Label2", kParagraph2);
    placeParagraph(m_Label2, 120, 1275, 6495, 2895);
    m_Label3 = paragraph(m_Frame1, "Label3", kParagraph3);
    placeParagraph(m_Label3, 120, 4200, 6495, 3255);
    // The second paragraph carries on the first one's sentence: its first line
    // follows the first one's last at the same spacing.
    const int firstHeight = m_Label1->heightForWidth(m_Label1->width());
    m_Label1->resize(m_Label1->width(), firstHeight);
    m_Label2->move(m_Label2->x(), m_Label1->y() + firstHeight - 2 * m_Label1->margin());
    tellWholeSentences({m_Label1, m_Label2, m_Label3});
    connect(m_Label1, &kit::ClickLabel::mouseMoved, this, &SobrePitWindow::Label1_MouseMove);
    connect(m_Label2, &kit::ClickLabel::mouseMoved, this, &SobrePitWindow::Label2_MouseMove);
    connect(m_Label3, &kit::ClickLabel::mouseMoved, this, &SobrePitWindow::Label3_MouseMove);
}

void SobrePitWindow::buildLink()
{
    m_lblLink = new kit::ClickLabel(m_Frame1, kit::ClickLabel::Role::Button);
    kit::identify(m_lblLink, QStringLiteral("lblLink"), tr("Leer más sobre Pitágoras en la enciclopedia"));
    m_lblLink->setText(tr("Leer más..."));
    m_lblLink->setAlignment(Qt::AlignCenter);
    m_lblLink->setCursor(Qt::PointingHandCursor);
    m_lblLink->setFont(kit::font(kit::Typeface::Calibri, 12));
    kit::setTextColour(m_lblLink, Qt::black);
    kit::place(m_lblLink, 5370, 7560, 1275, 375); // room for "Read more..." too, centred where it was
    connect(m_lblLink, &kit::ClickLabel::mouseMoved, this, &SobrePitWindow::lblLink_MouseMove);
    connect(m_lblLink, &kit::ClickLabel::clicked, this, &SobrePitWindow::lblLink_Click);
}

bool SobrePitWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Frame1 && event->type() == QEvent::MouseMove) {
        Frame1_MouseMove();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void SobrePitWindow::mouseMoveEvent(QMouseEvent*)
{
    Form_MouseMove();
}

void SobrePitWindow::Form_Load()
{
    kit::setBackColour(m_Frame1, kFrameBack);
}

void SobrePitWindow::Form_MouseMove()
{
    lightLink(false);
}

void SobrePitWindow::Frame1_MouseMove()
{
    lightLink(false);
}

void SobrePitWindow::Label1_MouseMove()
{
    lightLink(false);
}

void SobrePitWindow::Label2_MouseMove()
{
    lightLink(false);
}

void SobrePitWindow::Label3_MouseMove()
{
    lightLink(false);
}

void SobrePitWindow::lblLink_MouseMove()
{
    lightLink(true);
}

void SobrePitWindow::lblLink_Click()
{
    if (desktop().isNetworkAlive()) {
        // With no browser, or none the desktop knows of, the click would seem lost.
        if (!desktop().openAddress(this, QUrl(tr("https://es.wikipedia.org/wiki/Pitágoras"))))
            desktop().message(this, tr("No se pudo abrir la página en el navegador web."),
                              kit::DesktopServices::Icon::Exclamation);
    } else {
        desktop().message(this, tr("Se requiere una conexión a Internet, intente más tarde."),
                          kit::DesktopServices::Icon::Information);
    }
}

void SobrePitWindow::lightLink(bool lit)
{
    QFont font = m_lblLink->font();
    font.setUnderline(lit);
    m_lblLink->setFont(font);
    kit::setTextColour(m_lblLink, lit ? kLinkLit : QColor(Qt::black));
}

} // namespace ui
