#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBlock>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "app/menuwindow.h"
#include "app/splashwindow.h"
#include "core/figures.h"
#include "kit/clicklabel.h"
#include "kit/fittext.h"
#include "kit/language.h"
#include "kit/listbox.h"
#include "kit/toolwindow.h"
#include "tests/support/toolfixture.h"
#include "tests/support/windows.h"
#include "ui/pitagoraswindow.h"
#include "ui/tools.h"

// The windows in every language that ships: every caption, name and message
// comes from the translation, each caption fits its control as the Spanish one
// does, and the numbers are the same in Spanish and English.
class tst_Languages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void every_caption_fits_its_control_data();
    void every_caption_fits_its_control();
    void every_window_speaks_its_language_data();
    void every_window_speaks_its_language();
    void results_are_the_same_numbers_data();
    void results_are_the_same_numbers();
    void side_captions_ask_for_what_the_formula_adds_data();
    void side_captions_ask_for_what_the_formula_adds();
    void the_working_starts_with_the_formula_bar_data();
    void the_working_starts_with_the_formula_bar();
    void messages_come_in_english();
    void hypotenuse_message_comes_in_english();
    void language_follows_the_desktop_data();
    void language_follows_the_desktop();

private:
    QWidget* open(const QString& window);
    void speak(const QString& language);

    std::unique_ptr<ToolFixture> m_fixture;
    std::unique_ptr<kit::Translations> m_language;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

namespace {

// The pixels a caption has in its control: beside an option's circle, inside
// a button's margins, or the whole of a label.
int captionRoom(const QWidget* control)
{
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.rect = option->contentsRect();
        style.text = option->text();
        return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
    }
    if (qobject_cast<const QPushButton*>(control)) {
        const int margin = control->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
        const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        return control->width() - 2 * (margin + frame);
    }
    return control->contentsRect().width();
}

// How much of its control a caption needs and how much there is: the height
// of a wrapped label, the width of anything else.
std::pair<int, int> need(const QWidget* control, const QString& caption)
{
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap())
        return {label->heightForWidth(label->width()), label->height()};
    return {QFontMetrics(control->font()).horizontalAdvance(caption), captionRoom(control)};
}

// Captions that do not fit the control they are shown in, as "who: text".
QStringList captionsCutOff(const QWidget* window)
{
    QStringList cut;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window))
            continue;
        QString caption;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            caption = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            caption = button->text();
        const auto [needed, room] = need(widget, caption);
        if (!caption.isEmpty() && needed > room)
            cut << QStringLiteral("%1: %2 (%3 of %4 px)").arg(controlName(widget), caption).arg(needed).arg(room);
        if (const auto* list = qobject_cast<const kit::ListBox*>(widget)) {
            for (int row = 0; row < list->count(); ++row) {
                const QFont font = list->rowFont();
                if (QFontMetrics(font).horizontalAdvance(list->item(row)->text()) > list->rowTextWidth()
                    || font.pointSizeF() < list->font().pointSizeF() * kit::kSmallestShare)
                    cut << controlName(list) + QStringLiteral(": ") + list->item(row)->text();
            }
        }
    }
    return cut;
}

// A working shown with values that make it long: a rounded value, a factor
// note, the most steps. Its name stands for a control in a row.
struct LongWorking {
    const char* window;
    const char* name;
    const char* option; // the figure; none in the solver
    QStringList boxes;
    QStringList texts;
    int resultUnit; // the calculator's result unit, or -1 for the one it opens on
};

const std::vector<LongWorking>& longWorkings()
{
    static const std::vector<LongWorking> workings = {
        {"frmVolumen", "desarrollo del cono", "Option5", {"Text1", "Text2"}, {"5", "5"}, 2},
        {"frmVolumen", "desarrollo de la esfera", "Option7", {"Text1"}, {"2.5"}, -1},
        {"frmPitagoras", "desarrollo de la hipotenusa", "", {"txtZ1", "txtZ2"}, {"1.5", "2.2"}, -1},
    };
    return workings;
}

const LongWorking* longWorking(const QString& name)
{
    for (const LongWorking& working : longWorkings())
        if (name == QLatin1String(working.name))
            return &working;
    return nullptr;
}

void showLongWorking(QWidget* window, const LongWorking& working)
{
    if (*working.option)
        window->findChild<QAbstractButton*>(QLatin1String(working.option))->click();
    for (int i = 0; i < working.boxes.size(); ++i)
        window->findChild<QLineEdit*>(working.boxes[i])->setText(working.texts[i]);
    if (working.resultUnit >= 0) {
        auto* unit = window->findChild<QComboBox*>(QStringLiteral("Combo4"));
        unit->setCurrentIndex(working.resultUnit);
        Q_EMIT unit->activated(working.resultUnit);
    }
    if (auto* solver = qobject_cast<ui::PitagorasWindow*>(window))
        solver->tmrAuto_Timer();
    window->findChild<QAbstractButton*>(QStringLiteral("cmdDesarrollo"))->click();
    QCoreApplication::processEvents(); // the working is written once the result is
}

// A shown working whose last line, the result, is not whole in view, or whose
// further lines do not stand at the first one's equals sign.
QStringList workingCutOff(const QWidget* window)
{
    const auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesarrollo"));
    if (!box || !box->isVisibleTo(window))
        return {};
    QStringList cut;
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    const QRect last = box->cursorRect(end);
    if (last.top() < 0 || last.bottom() >= box->viewport()->height())
        cut << QStringLiteral("txtDesarrollo: last line at %1 to %2 of %3 px")
                   .arg(last.top())
                   .arg(last.bottom())
                   .arg(box->viewport()->height());
    const auto equalsAt = [box](const QTextBlock& block) {
        QTextCursor at(block);
        at.setPosition(block.position() + static_cast<int>(block.text().indexOf(QLatin1Char('='))));
        return box->cursorRect(at).left();
    };
    const QTextBlock first = box->document()->firstBlock();
    for (QTextBlock block = first.next(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(QLatin1String("\t=")) && equalsAt(block) != equalsAt(first))
            cut << QStringLiteral("txtDesarrollo: \"=\" at %1 px, not %2 px: %3")
                       .arg(equalsAt(block))
                       .arg(equalsAt(first))
                       .arg(block.text());
    }
    return cut;
}

// Every text a window shows or gives a screen reader, by control.
std::map<QString, QStringList> textsOf(const QWidget* window)
{
    std::map<QString, QStringList> texts;
    texts[QStringLiteral("window")] << window->windowTitle() << window->accessibleDescription();
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        QStringList& own = texts[controlName(widget)];
        own << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            own << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            own << button->text();
        if (const auto* list = qobject_cast<const QComboBox*>(widget))
            own << list->currentText();
    }
    return texts;
}

// The option buttons Option1 to OptionN.
QStringList options(std::size_t count)
{
    QStringList names;
    for (std::size_t n = 1; n <= count; ++n)
        names << QStringLiteral("Option%1").arg(n);
    return names;
}

// What a window's captions are checked after ("" for opening it): pressing each
// control that changes them; in a calculator, choosing each of its figures, the
// first being the one it opens on, and showing the working.
QStringList statesOf(const QString& window)
{
    static const std::map<QString, QStringList> pressed = {
        {QStringLiteral("frmMenu"),
         {QString(), QStringLiteral("cmdButton0"), QStringLiteral("cmdButton1"), QStringLiteral("cmdButton2"),
          QStringLiteral("lblLink0"), QStringLiteral("lblLink1")}},
        {QStringLiteral("frmPitagoras"),
         {QString(), QStringLiteral("cmdMode"), QStringLiteral("cmdDesarrollo"),
          QStringLiteral("desarrollo de la hipotenusa")}},
        {QStringLiteral("frmConvert"), options(3) << QStringLiteral("cmdDesarrollo")},
    };
    for (const ui::Tool& tool : ui::kTools) {
        if (tool.calculator && window == QLatin1String(tool.formName)) {
            QStringList states = options(core::calculator(*tool.calculator).figures.size());
            states << QStringLiteral("cmdDesarrollo");
            for (const LongWorking& working : longWorkings())
                if (window == QLatin1String(working.window))
                    states << QString::fromUtf8(working.name);
            return states;
        }
    }
    const auto own = pressed.find(window);
    return own == pressed.end() ? QStringList{QString()} : own->second;
}

// A language's name in a row's name.
QString inLanguage(const QString& language)
{
    static const std::map<QString, QString> names = {
        {QStringLiteral("es"), QStringLiteral("en español")},
        {QStringLiteral("en"), QStringLiteral("en inglés")},
        {QStringLiteral("pt_BR"), QStringLiteral("en portugués")},
        {QStringLiteral("ca"), QStringLiteral("en catalán")},
    };
    const auto name = names.find(language);
    return name == names.end() ? language : name->second;
}

// A word of three letters or more: what a formula, a unit or a symbol is not.
bool hasWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    static const QStringList names = {QStringLiteral("Vantrelo"), QStringLiteral("Milvane")};
    return text.contains(word) && !names.contains(text.trimmed());
}

} // namespace

void tst_Languages::init()
{
    m_fixture = std::make_unique<ToolFixture>();
}

void tst_Languages::cleanup()
{
    m_windows.clear();
    m_language.reset();
    m_fixture.reset();
}

// Windows opened from now on speak language; Spanish is the fixture's own.
void tst_Languages::speak(const QString& language)
{
    m_language.reset();
    if (language != kit::kLanguages.first())
        m_language = std::make_unique<kit::Translations>(language);
}

QWidget* tst_Languages::open(const QString& window)
{
    QWidget* opened = m_fixture->build(window);
    m_windows.emplace_back(opened);
    return opened;
}

void tst_Languages::every_caption_fits_its_control_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // pressed, or hovered, before the check; "" for none
    for (const QString& language : kit::kLanguages) {
        for (const QString& window : ToolFixture::kFormNames) {
            for (const QString& control : statesOf(window)) {
                const QString state =
                    control.isEmpty() ? QStringLiteral("al abrir") : QStringLiteral("tras ") + control;
                const QString row = QStringLiteral("%1 %2 %3").arg(window, state, inLanguage(language));
                QTest::newRow(qPrintable(row)) << language << window << control;
            }
        }
    }
}

// Layouts are the same in every language, so each caption must fit the room
// the Spanish one has: in one line where it is one line, in the label's
// height where it wraps; list rows shrink no further than they may. A working
// keeps its result in view and its equals signs in one column. The same rows
// run at twice the scale (tst_languages_2x).
void tst_Languages::every_caption_fits_its_control()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, control);
    speak(language);
    QWidget* opened = open(window);
    if (const LongWorking* working = longWorking(control)) {
        showLongWorking(opened, *working);
    } else if (!control.isEmpty()) {
        auto* target = opened->findChild<QWidget*>(control);
        QVERIFY(target);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        else
            QVERIFY(QMetaObject::invokeMethod(target, "mouseMoved"));
    }
    const QStringList cut = captionsCutOff(opened) + workingCutOff(opened);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

void tst_Languages::every_window_speaks_its_language_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("same"); // texts the language writes as Spanish does
    QTest::addColumn<QString>("window");
    // Each text whole and trimmed, split at "|".
    const std::map<QString, QStringList> same = {
        {QStringLiteral("pt_BR"), QStringLiteral("Área|Cateto A|Cateto a|Cateto B|Cateto b|CILINDRO|CÍRCULO|Copiar|"
                                                 "CUBO|ESFERA|Figura|Fórmula|FÓRMULA:|Hipotenusa|Lado (l)|Lado (l):|"
                                                 "Medida 2|Medida 3|Medidas|OCTAEDRO REG.|OCTAEDRO REGULAR|"
                                                 "PARALELEPÍPED.|PARALELEPÍPEDO|Perímetro|Pitágoras de Samos|"
                                                 "POLÍGONO REG.|POLÍGONO REGULAR|PRISMA|Resolver|Resultado|"
                                                 "Retrato de Pitágoras|ROMBOIDE|Sobre Pitágoras|Unidades|"
                                                 "Valor de Pi|Valores|Anotar")
                                      .split(QLatin1Char('|'))},
        {QStringLiteral("ca"), QStringLiteral("ESFERA|Figura|Fórmula|FÓRMULA:|Hipotenusa|Longitud|PRISMA|ROMBOIDE|"
                                              "Valor de Pi|Vantrelo - Menú")
                                   .split(QLatin1Char('|'))},
    };
    for (const QString& language : kit::kLanguages.mid(1)) {
        for (const QString& window : ToolFixture::kFormNames) {
            const QString row = window + QLatin1Char(' ') + inLanguage(language);
            const auto shared = same.find(language);
            QTest::newRow(qPrintable(row))
                << language << (shared == same.end() ? QStringList() : shared->second) << window;
        }
    }
}

// Each text with words in it that the window shows or names in Spanish comes
// out otherwise in the language, unless the language writes it the same way.
void tst_Languages::every_window_speaks_its_language()
{
    QFETCH(QString, language);
    QFETCH(QStringList, same);
    QFETCH(QString, window);
    const std::map<QString, QStringList> spanish = textsOf(open(window));
    speak(language);
    const std::map<QString, QStringList> spoken = textsOf(open(window));
    QCOMPARE(spoken.size(), spanish.size());
    QStringList untranslated;
    for (const auto& [control, texts] : spanish) {
        const QStringList& translated = spoken.at(control);
        for (int i = 0; i < texts.size(); ++i) {
            if (hasWords(texts[i]) && translated[i] == texts[i] && !same.contains(texts[i].trimmed()))
                untranslated << control + QStringLiteral(": ") + texts[i];
        }
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral("\n"))));
    QVERIFY(!spoken.at(QStringLiteral("window")).first().isEmpty());
}

void tst_Languages::results_are_the_same_numbers_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option"); // figure or category; "" for the first
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("result"); // a box, or a list whose every row is compared
    // clang-format off
    QTest::newRow("perímetro del polígono") << "frmPerimetro" << "Option4" << QStringList{"Text1", "Text2"} << QStringList{"12.5", "7"} << "txtAnswer";
    QTest::newRow("área del círculo") << "frmArea" << "Option7" << QStringList{"Text1"} << QStringList{"1234.5678"} << "txtAnswer";
    QTest::newRow("área fuera de rango") << "frmArea" << "Option1" << QStringList{"Text1"} << QStringList{"1E+200"} << "txtAnswer";
    QTest::newRow("cateto") << "frmPitagoras" << "" << QStringList{"txtZ0", "txtZ1", "txtZ2"} << QStringList{"13", "5", "0"} << "txtZ2";
    QTest::newRow("longitudes") << "frmConvert" << "Option1" << QStringList{"txtCaja"} << QStringList{"1234567.25"} << "List3";
    QTest::newRow("volúmenes fuera de rango") << "frmConvert" << "Option3" << QStringList{"txtCaja"} << QStringList{"1E+300"} << "List3";
    // clang-format on
}

// Numbers are read and written by the program's own rules, never the locale's:
// the Spanish run has a locale that writes a decimal comma, the English one a
// locale that groups with commas.
void tst_Languages::results_are_the_same_numbers()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QString, result);
    QStringList shown[2];
    for (int language = 0; language < 2; ++language) {
        cleanup(); // nothing carried over from the other language's window
        init();
        speak(kit::kLanguages.at(language));
        QLocale::setDefault(QLocale(language == 0 ? QLocale::Spanish : QLocale::English,
                                    language == 0 ? QLocale::Spain : QLocale::UnitedStates));
        QWidget* opened = open(window);
        if (!option.isEmpty())
            opened->findChild<QAbstractButton*>(option)->click();
        for (int i = 0; i < boxes.size(); ++i)
            opened->findChild<QLineEdit*>(boxes[i])->setText(texts[i]);
        if (auto* solver = qobject_cast<ui::PitagorasWindow*>(opened))
            solver->tmrAuto_Timer();
        if (const auto* list = opened->findChild<kit::ListBox*>(result)) {
            for (int row = 0; row < list->count(); ++row)
                shown[language] << list->item(row)->text();
        } else {
            shown[language] << opened->findChild<QLineEdit*>(result)->text();
        }
    }
    QLocale::setDefault(QLocale::system());
    QVERIFY(!shown[0].isEmpty() && shown[0].first() != QLatin1String("0"));
    for (int row = 0; row < shown[0].size(); ++row) {
        if (shown[0][row] == QLatin1String("Fuera de rango"))
            QCOMPARE(shown[1][row], QStringLiteral("Out of range"));
        else
            QCOMPARE(shown[1][row], shown[0][row]);
    }
}

// The rhomboid doubles the side typed, the trapezoid adds it as typed: the
// caption asks for one side, or for both together, as its formula takes it.
void tst_Languages::side_captions_ask_for_what_the_formula_adds_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption"); // of the last measure
    QTest::addColumn<QString>("formula");
    // clang-format off
    QTest::newRow("romboide en español") << "es" << "Option6" << "Paredes x2 (ws):" << "P = bs + ws";
    QTest::newRow("trapecio en español") << "es" << "Option7" << "Paredes x2 (ws):" << "B + b + ws";
    QTest::newRow("romboide en inglés") << "en" << "Option6" << "Sides x2 (ss):" << "P = bs + ss";
    QTest::newRow("trapecio en inglés") << "en" << "Option7" << "Both sides (s):" << "B + b + s";
    QTest::newRow("romboide en portugués") << "pt_BR" << "Option6" << "Lados x2 (ls):" << "P = bs + ls";
    QTest::newRow("trapecio en portugués") << "pt_BR" << "Option7" << "Ambos lados (ls):" << "B + b + ls";
    QTest::newRow("romboide en catalán") << "ca" << "Option6" << "Costats x2 (cs):" << "P = bs + cs";
    QTest::newRow("trapecio en catalán") << "ca" << "Option7" << "Dos costats (cs):" << "B + b + cs";
    // clang-format on
}

void tst_Languages::side_captions_ask_for_what_the_formula_adds()
{
    QFETCH(QString, language);
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(QString, formula);
    speak(language);
    QWidget* opened = open(QStringLiteral("frmPerimetro"));
    opened->findChild<QAbstractButton*>(option)->click();
    const QString last = option == QLatin1String("Option6") ? QStringLiteral("Label2") : QStringLiteral("Label3");
    QCOMPARE(opened->findChild<QLabel*>(last)->text(), caption);
    QCOMPARE(opened->findChild<QLabel*>(QStringLiteral("lblForm"))->text(), formula);
}

void tst_Languages::the_working_starts_with_the_formula_bar_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString& language : kit::kLanguages)
        for (const ui::Tool& tool : ui::kTools)
            if (tool.calculator)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(tool.formName, inLanguage(language))))
                    << language << QString::fromUtf8(tool.formName);
}

// Every figure's working starts with its formula bar's formula, the same
// letters in the working's typography ("·" for "*", "π" for "Pi", "√2" for "Raiz(2)").
void tst_Languages::the_working_starts_with_the_formula_bar()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    speak(language);
    QWidget* opened = open(window);
    opened->findChild<QAbstractButton*>(QStringLiteral("cmdDesarrollo"))->click();
    const QStringList figures = statesOf(window).filter(QStringLiteral("Option"));
    for (const QString& option : figures) {
        opened->findChild<QAbstractButton*>(option)->click();
        QString bar = opened->findChild<QLabel*>(QStringLiteral("lblForm"))->text();
        bar.replace(QStringLiteral(" * "), QStringLiteral(" · ")).replace(QStringLiteral("Pi"), QStringLiteral("π"));
        bar.replace(QRegularExpression(QStringLiteral("\\w+\\((\\d+)\\)")), QStringLiteral("√\\1"));
        const auto* working = opened->findChild<QPlainTextEdit*>(QStringLiteral("txtDesarrollo"));
        // A bar without its result letter ("L1 + L2 + L3") is the formula after it.
        const auto first = [working] { return working->toPlainText().section(QLatin1Char('\n'), 0, 0); };
        QTRY_COMPARE(bar.contains(QLatin1Char('=')) ? first() : first().section(QStringLiteral(" = "), 1), bar);
    }
}

void tst_Languages::messages_come_in_english()
{
    speak(QStringLiteral("en"));
    QWidget* about = open(QStringLiteral("frmSobrePit"));
    m_fixture->desktop.networkAlive = false;
    QVERIFY(QMetaObject::invokeMethod(about->findChild<QWidget*>(QStringLiteral("lblLink")), "clicked"));
    m_fixture->desktop.networkAlive = true;
    QVERIFY(QMetaObject::invokeMethod(about->findChild<QWidget*>(QStringLiteral("lblLink")), "clicked"));
    m_fixture->desktop.addressOpens = false;
    QVERIFY(QMetaObject::invokeMethod(about->findChild<QWidget*>(QStringLiteral("lblLink")), "clicked"));
    QWidget* menu = open(QStringLiteral("frmMenu"));
    auto* pi = menu->findChild<QLineEdit*>(QStringLiteral("txtPi"));
    QVERIFY(QMetaObject::invokeMethod(menu->findChild<QWidget*>(QStringLiteral("lblLink1")), "clicked"));
    pi->setText(QStringLiteral("4"));
    QTest::keyClick(pi, Qt::Key_Return);
    QVERIFY(QMetaObject::invokeMethod(menu->findChild<QWidget*>(QStringLiteral("lblLink0")), "clicked"));
    m_fixture->var.VentanasAbiertas = 1;
    menu->close();

    QStringList messages;
    for (const FakeDesktop::Message& message : m_fixture->desktop.messages)
        messages << message.text;
    QCOMPARE(messages,
             (QStringList{"An Internet connection is needed; try again later.",
                          "The page could not be opened in the web browser.", "Pi must be between 3.14 and 3.15."}));
    QCOMPARE(m_fixture->desktop.openedAddresses,
             std::vector<QUrl>(2, QUrl(QStringLiteral("https://en.wikipedia.org/wiki/Pythagoras"))));
    static const QRegularExpression aboutText(QStringLiteral("^Milvane\r\nVantrelo: Version \\d+\\.\\d+\\.\\d+$"));
    QVERIFY2(aboutText.match(m_fixture->desktop.aboutOtherText).hasMatch(),
             qPrintable(m_fixture->desktop.aboutOtherText));
    QCOMPARE(m_fixture->desktop.questions, QStringList{"You are about to close everything. Are you sure?"});
}

// The solver's complaint, through the real menu: a leg changed beyond the
// hypotenuse while the other leg is the oldest box.
void tst_Languages::hypotenuse_message_comes_in_english()
{
    m_fixture.reset();
    speak(QStringLiteral("en"));
    MenuFixture fixture;
    auto* solver = qobject_cast<ui::PitagorasWindow*>(fixture.open(QStringLiteral("pitTeorema")));
    const auto box = [solver](int index) { return solver->findChild<QLineEdit*>(QStringLiteral("txtZ%1").arg(index)); };
    QTest::mouseClick(box(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    for (const auto& [index, typed] : {std::pair{1, "3"}, std::pair{2, "4"}}) {
        QTest::keyClicks(box(index), QLatin1String(typed));
        QTest::keyClick(box(index), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    solver->tmrAuto_Timer();
    QTest::mouseClick(box(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    box(1)->selectAll();
    QTest::keyClicks(box(1), QStringLiteral("6"));
    solver->tmrAuto_Timer();
    QCOMPARE(int(fixture.desktop.messages.size()), 1);
    QCOMPARE(fixture.desktop.messages.front().text, QStringLiteral("The hypotenuse must be longer than the legs."));
}

void tst_Languages::language_follows_the_desktop_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QString>("language");
    // clang-format off
    QTest::newRow("inglés británico") << QStringList{"en-GB", "en"} << kit::kLanguages << "en";
    QTest::newRow("inglés tras uno que no se ofrece") << QStringList{"de-DE", "de", "en-US"} << kit::kLanguages << "en";
    QTest::newRow("solo uno que no se ofrece") << QStringList{"fr-FR", "fr"} << kit::kLanguages << "es";
    QTest::newRow("locale C antes que inglés") << QStringList{"C", "en"} << kit::kLanguages << "es";
    QTest::newRow("POSIX antes que inglés") << QStringList{"POSIX", "en"} << kit::kLanguages << "es";
    QTest::newRow("ninguno") << QStringList{} << kit::kLanguages << "es";
    QTest::newRow("mayúsculas y codificación") << QStringList{"EN_us.UTF-8"} << kit::kLanguages << "en";
    QTest::newRow("variante") << QStringList{"ca@valencia"} << kit::kLanguages << "ca";
    QTest::newRow("idioma solo, se ofrece con región") << QStringList{"pt"} << kit::kLanguages << "pt_BR";
    QTest::newRow("misma región, otra forma") << QStringList{"PT-br"} << kit::kLanguages << "pt_BR";
    QTest::newRow("otra región del mismo idioma") << QStringList{"pt-PT"} << kit::kLanguages << "pt_BR";
    QTest::newRow("el idioma solo antes que otra región") << QStringList{"pt_PT"} << QStringList{"es", "pt_BR", "pt"} << "pt";
    QTest::newRow("vacío") << QStringList{"", "_BR", "en"} << kit::kLanguages << "en";
    QTest::newRow("valenciano tras uno que no se ofrece") << QStringList{"fr-FR", "ca-ES-valencia"} << kit::kLanguages << "ca";
    // clang-format on
}

void tst_Languages::language_follows_the_desktop()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QStringList, shipped);
    QFETCH(QString, language);
    QCOMPARE(kit::desktopLanguage(uiLanguages, shipped), language);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
