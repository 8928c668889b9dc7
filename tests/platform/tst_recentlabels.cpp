// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RecentLabels.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Step
{
    Add,
    Remove
};

} // namespace

Q_DECLARE_METATYPE(Step)

class TestRecentLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        const QStringList four = {u"/d.eti"_s, u"/c.eti"_s, u"/b.eti"_s, u"/a.eti"_s};
        QTest::newRow("first") << QStringList{} << Step::Add << u"/a.eti"_s
                               << QStringList{u"/a.eti"_s};
        QTest::newRow("newest first, oldest goes beyond four")
            << four << Step::Add << u"/e.eti"_s
            << QStringList{u"/e.eti"_s, u"/d.eti"_s, u"/c.eti"_s, u"/b.eti"_s};
        QTest::newRow("again moves up, listed once")
            << four << Step::Add << u"/b.eti"_s
            << QStringList{u"/b.eti"_s, u"/d.eti"_s, u"/c.eti"_s, u"/a.eti"_s};
        QTest::newRow("another spelling of the same file")
            << four << Step::Add << u"/x/../c.eti"_s
            << QStringList{u"/c.eti"_s, u"/d.eti"_s, u"/b.eti"_s, u"/a.eti"_s};
        QTest::newRow("names differing in case are two files")
            << QStringList{u"/a.eti"_s} << Step::Add << u"/A.ETI"_s
            << QStringList{u"/A.ETI"_s, u"/a.eti"_s};
        QTest::newRow("no name") << four << Step::Add << QString() << four;
        QTest::newRow("remove") << four << Step::Remove << u"/c.eti"_s
                                << QStringList{u"/d.eti"_s, u"/b.eti"_s, u"/a.eti"_s};
        QTest::newRow("remove one not listed") << four << Step::Remove << u"/z.eti"_s << four;
    }

    void steps()
    {
        QFETCH(QStringList, before);
        QFETCH(Step, step);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        RecentLabels recent(before);
        QCOMPARE(recent.paths(), before);
        if (step == Step::Add)
            recent.add(path);
        else
            recent.remove(path);
        QCOMPARE(recent.paths(), after);
    }

    // What another version or a hand edit left in the settings is read as the list would
    // have kept it.
    void settingsRoundTrip_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("read");
        QTest::newRow("as written")
            << QStringList{u"/b.eti"_s, u"/a.eti"_s} << QStringList{u"/b.eti"_s, u"/a.eti"_s};
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("one name holding a comma")
            << QStringList{u"/a, b.eti"_s} << QStringList{u"/a, b.eti"_s};
        QTest::newRow("commas, quotes, accents")
            << QStringList{u"/x,y/\"é\".eti"_s, u"/a;b=c.eti"_s}
            << QStringList{u"/x,y/\"é\".eti"_s, u"/a;b=c.eti"_s};
        QTest::newRow("too many, repeats and blanks")
            << QStringList{u"/a.eti"_s, QString(),   u"/b.eti"_s, u"/a.eti"_s,
                           u"/c.eti"_s, u"/d.eti"_s, u"/e.eti"_s}
            << QStringList{u"/a.eti"_s, u"/b.eti"_s, u"/c.eti"_s, u"/d.eti"_s};
    }

    void settingsRoundTrip()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, read);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(u"korvalin.conf"_s);
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(u"recentLabels"_s, stored);
        }
        QSettings settings(file, QSettings::IniFormat);
        RecentLabels recent = RecentLabels::readFrom(settings);
        QCOMPARE(recent.paths(), read);
        recent.add(u"/f.eti"_s);
        recent.writeTo(settings);
        settings.sync();
        QCOMPARE(RecentLabels::readFrom(QSettings(file, QSettings::IniFormat)).paths(),
                 recent.paths());
    }
};

QTEST_APPLESS_MAIN(TestRecentLabels)
#include "tst_recentlabels.moc"
