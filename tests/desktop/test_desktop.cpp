#include "desktop/desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace ortambra;

namespace {

QString messageBoxButton(QMessageBox::StandardButton which) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" Schermo attuale"), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(which)->text();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Qt's texts must turn Italian even on a system that speaks another language.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void cleanup() {
        if (installed_ != nullptr) {
            QCoreApplication::removeTranslator(installed_);
            delete installed_;
            installed_ = nullptr;
        }
    }

    void standardButtonsSpeakItalian() {
        installed_ = installQtItalian(*qApp);
        QVERIFY2(installed_ != nullptr,
                 qPrintable("qtbase_it.qm is not in " + qtTranslationsDirectory() +
                            " (Debian package qt6-translations-l10n)"));
        QCOMPARE(installed_->parent(), static_cast<QObject*>(qApp));
        // QMessageBox and QDialogButtonBox take their standard texts from this context.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annulla"));
        QCOMPARE(messageBoxButton(QMessageBox::Cancel), QStringLiteral("Annulla"));
        QCOMPARE(messageBoxButton(QMessageBox::Ok), QStringLiteral("OK"));
    }

    void missingCatalogueLeavesQtEnglish_data() {
        QTest::addColumn<QString>("content");
        QTest::newRow("no such directory") << QString();
        QTest::newRow("directory without the catalogue") << QStringLiteral("-");
        QTest::newRow("damaged catalogue") << QStringLiteral("not a catalogue");
    }

    void missingCatalogueLeavesQtEnglish() {
        QFETCH(QString, content);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString directory = dir.filePath(QStringLiteral("absent"));
        if (!content.isNull()) {
            directory = dir.path();
            if (content != QStringLiteral("-")) {
                QFile file(dir.filePath(QStringLiteral("qtbase_it.qm")));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(content.toUtf8());
            }
        }

        const int childrenBefore = int(qApp->children().size());
        installed_ = installQtItalian(*qApp, directory);
        QCOMPARE(installed_, nullptr);
        QCOMPARE(int(qApp->children().size()), childrenBefore);
        QCOMPARE(messageBoxButton(QMessageBox::Cancel), QStringLiteral("Cancel"));
    }

    void iconComesInEveryDesktopSize() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> expected{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
        QCOMPARE(icon.availableSizes(), expected);
        for (const QSize& size : expected) {
            const QPixmap pixmap = icon.pixmap(size);
            QVERIFY2(!pixmap.isNull(), qPrintable(QString::number(size.width())));
            QCOMPARE(pixmap.size(), size);
        }
    }

    // The PNGs are decoded only when first asked for; a copy that is changed gets its own.
    void iconCopiesStandApart() {
        const QIcon icon = programIcon();
        QIcon copy = icon;
        QPixmap extra(20, 20);
        extra.fill(Qt::red);
        copy.addPixmap(extra);
        QCOMPARE(copy.availableSizes().size(), 7);
        QCOMPARE(icon.availableSizes().size(), 6);

        QImage drawn(48, 48, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        icon.paint(&painter, drawn.rect());
        painter.end();
        QCOMPARE(drawn, icon.pixmap(48).toImage().convertToFormat(drawn.format()));
    }

  private:
    QTranslator* installed_ = nullptr;
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
