// Checks the main window's designer form (forms/qravla.ui) as uic builds it: every object's
// name, class, parent, geometry, texts and pictures, the stacking order of siblings, the
// language box items and the translation context.
#include "ui_qravla.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

const QString windowName = QStringLiteral("QRavlaClass");

struct FormObject {
    QString name;
    QString className;
    QString parent; // empty for the window itself
    QRect geometry;
    QString text; // label or button text, group box title, window title
    QString toolTip;
    bool picture; // a label pixmap or a button icon, compiled in from resources/ravla.qrc
};

// The whole form in the order of the designer file: siblings listed later are drawn on top.
const QList<FormObject> &formObjects()
{
    const QString f = QStringLiteral("frame");
    const QString ses = QStringLiteral("SesGroupBox");
    const QString sec = QStringLiteral("SecenekGroupBox");
    const QString vak = QStringLiteral("VakitGroupBox");
    const QString lbl = QStringLiteral("QLabel");
    const QString btn = QStringLiteral("QToolButton");
    const QString dots = QStringLiteral("...");
    const QString zero = QStringLiteral("00:00");
    static const QList<FormObject> table = {
        {windowName, "QWidget", {}, {0, 0, 720, 440}, "Ravla", {}, false},
        {"label", lbl, windowName, {0, 0, 730, 36}, {}, {}, true},
        {"label_2", lbl, windowName, {0, 36, 160, 411}, {}, {}, true},
        {f, "QFrame", windowName, {161, 36, 560, 405}, {}, {}, false},
        {"TabanZorvaLabel", lbl, f, {0, 1, 560, 440}, {}, {}, true},
        {"Sehirlabel", lbl, f, {10, 384, 311, 16}, "ICERIK", {}, false},
        {ses, "QGroupBox", f, {275, 16, 261, 140}, "Ses", {}, false},
        {"OkuToolButton", btn, ses, {60, 36, 42, 41}, dots, "Oku", true},
        {"OkumaToolButton", btn, ses, {109, 36, 42, 41}, dots, "Dur", true},
        {"SesSec", btn, ses, {158, 36, 42, 41}, dots, QStringLiteral("Ezan Seç"), true},
        {"SesSlider", "QSlider", ses, {60, 101, 140, 21}, {}, QStringLiteral("Ses Düzeyi"), false},
        {"SesDuzeyLabel", lbl, ses, {208, 99, 46, 20}, "% 50", {}, false},
        {sec, "QGroupBox", f, {275, 185, 261, 140}, QStringLiteral("Seçenekler"), {}, false},
        {"secenektoolButton", btn, sec, {63, 29, 61, 41}, dots, QStringLiteral("Seçenekler"), true},
        {"KabeAciToolButton",
         btn,
         sec,
         {138, 29, 61, 41},
         dots,
         QStringLiteral("Kıble Yönü"),
         true},
        {"DilComboBox", "QComboBox", sec, {62, 87, 140, 32}, {}, {}, false},
        {vak, "QGroupBox", f, {22, 16, 231, 311}, "Vakitler", {}, false},
        {"camilabel", lbl, vak, {84, 24, 51, 48}, {}, "Cami", true},
        {"imsaklabel", lbl, vak, {33, 93, 68, 16}, QStringLiteral("İmsak"), {}, false},
        {"imsakvakitlabel", lbl, vak, {139, 93, 64, 16}, zero, {}, false},
        {"fecirlabel", lbl, vak, {33, 123, 68, 16}, "Fecir", {}, false},
        {"fecirvakitlabel", lbl, vak, {139, 123, 64, 16}, zero, {}, false},
        {"guneslabel", lbl, vak, {33, 153, 68, 16}, QStringLiteral("Güneş"), {}, false},
        {"gunesvakitlabel", lbl, vak, {139, 153, 64, 16}, zero, {}, false},
        {"oglelabel", lbl, vak, {33, 183, 68, 16}, QStringLiteral("Öğle"), {}, false},
        {"oglevakitlabel", lbl, vak, {139, 183, 64, 16}, zero, {}, false},
        {"ikindilabel", lbl, vak, {33, 213, 68, 16}, QStringLiteral("İkindi"), {}, false},
        {"ikindivakitlabel", lbl, vak, {139, 213, 64, 16}, zero, {}, false},
        {"aksamlabel", lbl, vak, {33, 243, 68, 16}, QStringLiteral("Akşam"), {}, false},
        {"aksamvakitlabel", lbl, vak, {139, 243, 64, 16}, zero, {}, false},
        {"yatsilabel", lbl, vak, {33, 273, 68, 16}, QStringLiteral("Yatsı"), {}, false},
        {"yatsivakitlabel", lbl, vak, {139, 273, 64, 16}, zero, {}, false},
        {"lcdNumber", "QLCDNumber", f, {335, 350, 140, 30}, {}, {}, false},
        {"IsikLabel", lbl, f, {21, 335, 40, 45}, {}, {}, true},
        {"KalanZamanLabel", lbl, f, {57, 347, 250, 18}, "icerik kalan zaman", {}, false},
        // After the banner, so that the dates and the info button are drawn over it.
        {"Tarihlabel", lbl, windowName, {12, 9, 161, 18}, "ICERIK", {}, false},
        {"Hicrilabel", lbl, windowName, {503, 10, 160, 18}, "ICERIK", {}, false},
        {"BilgiToolButton", btn, windowName, {677, 3, 40, 30}, dots, "Daha fazla bilgi", true},
    };
    return table;
}

QWidget *lookUp(QWidget &window, const QString &name)
{
    return name == window.objectName() ? &window : window.findChild<QWidget *>(name);
}

QString shownText(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (widget->isWindow())
        return widget->windowTitle();
    return {};
}

bool hasPicture(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return !label->pixmap().isNull();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return !button->icon().isNull();
    return false;
}

// Marks every text of the form's own context, so retranslateUi shows which texts go through it.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArrayView(context) != "QRavlaClass")
            return {};
        return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
    }
};

} // namespace

Q_DECLARE_METATYPE(FormObject)

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        ui.setupUi(window.get());
    }
    void cleanup() { window.reset(); }

    void objects_data();
    void objects();
    void stackingOrder_data();
    void stackingOrder();
    void languageItems_data();
    void languageItems();
    void translationContext_data();
    void translationContext();

private:
    std::unique_ptr<QWidget> window;
    Ui::QRavlaClass ui;
};

void TestForm::objects_data()
{
    QTest::addColumn<FormObject>("expected");
    for (const FormObject &object : formObjects())
        QTest::newRow(qPrintable(object.name)) << object;
}

void TestForm::objects()
{
    QFETCH(FormObject, expected);
    const QWidget *widget = lookUp(*window, expected.name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), expected.className);
    QCOMPARE(widget->parentWidget() ? widget->parentWidget()->objectName() : QString(),
             expected.parent);
    QCOMPARE(widget->geometry(), expected.geometry);
    QCOMPARE(shownText(widget), expected.text);
    QCOMPARE(widget->toolTip(), expected.toolTip);
    QCOMPARE(hasPicture(widget), expected.picture);
}

void TestForm::stackingOrder_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("children");
    QStringList parents;
    QHash<QString, QStringList> children;
    for (const FormObject &object : formObjects()) {
        if (object.parent.isEmpty())
            continue;
        if (!parents.contains(object.parent))
            parents << object.parent;
        children[object.parent] << object.name;
    }
    for (const QString &parent : parents)
        QTest::newRow(qPrintable(parent)) << parent << children.value(parent);
}

// Sibling order is drawing order: the banner must lie under the date labels and the info
// button, the background picture under the group boxes. Also catches objects missing from
// the table.
void TestForm::stackingOrder()
{
    QFETCH(QString, parent);
    QFETCH(QStringList, children);
    const QWidget *widget = lookUp(*window, parent);
    QVERIFY(widget);
    QStringList actual;
    for (const QObject *child : widget->children()) {
        if (child->isWidgetType() && !child->objectName().startsWith(QLatin1String("qt_")))
            actual << child->objectName();
    }
    QCOMPARE(actual, children);
}

void TestForm::languageItems_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    // The index is the language number; each text starts with two spaces after the flag.
    QTest::newRow("Turkish") << 0 << QStringLiteral("  Türkçe");
    QTest::newRow("Arabic") << 1 << QStringLiteral("  العربية");
    QTest::newRow("German") << 2 << QStringLiteral("  Deutsch");
    QTest::newRow("English") << 3 << QStringLiteral("  English");
}

void TestForm::languageItems()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(ui.DilComboBox->itemText(index), text);
    QVERIFY(!ui.DilComboBox->itemIcon(index).isNull());
}

void TestForm::translationContext_data()
{
    objects_data();
}

void TestForm::translationContext()
{
    QFETCH(FormObject, expected);
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    ui.retranslateUi(window.get());
    QCoreApplication::removeTranslator(&translator);

    const QWidget *widget = lookUp(*window, expected.name);
    QVERIFY(widget);
    const auto marked = [](const QString &s) {
        return s.isEmpty() ? s : QStringLiteral("<") + s + QStringLiteral(">");
    };
    QCOMPARE(shownText(widget), marked(expected.text));
    QCOMPARE(widget->toolTip(), marked(expected.toolTip));
    if (widget == ui.DilComboBox)
        QCOMPARE(ui.DilComboBox->itemText(0), marked(QStringLiteral("  Türkçe")));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
