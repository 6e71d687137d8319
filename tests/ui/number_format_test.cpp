// The locale's number format as the window hands it to the calculator: what
// Qt knows of each locale, read right. The reading itself is the core's.
#include <QLocale>
#include <QTest>
#include <optional>

#include "ui/common/number_format.h"

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

class NumberFormatTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsTheLocaleGroupsAndMarks_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("value");
        // Groups of three all along: the lead group is no guide to the rest.
        QTest::newRow("en_US, threes") << "en_US"
                                       << "1,234,567.5" << std::optional(1234567.5);
        QTest::newRow("en_US, no twos") << "en_US"
                                        << "1,2,345" << std::optional<double>();
        QTest::newRow("de_DE, no twos") << "de_DE"
                                        << "1.2.345" << std::optional<double>();
        // Lakhs and crores.
        QTest::newRow("hi_IN, twos") << "hi_IN"
                                     << "12,34,567.5" << std::optional(1234567.5);
        QTest::newRow("ar_EG, its own digits and marks")
            << "ar_EG"
            << "\u0661\u066C\u0662\u0663\u0664\u066B\u0665" << std::optional(1234.5);
        QTest::newRow("fa_IR, its minus sign") << "fa_IR" << QLocale("fa_IR").toString(-1.5) << std::optional(-1.5);
    }

    void readsAsTheLocaleGroupsAndMarks()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(std::optional<double>, value);
        QCOMPARE(calc::readNumber(text.toStdString(), ui::numberFormat(QLocale(locale))), value);
    }
};

} // namespace

QTEST_APPLESS_MAIN(NumberFormatTest)

#include "number_format_test.moc"
