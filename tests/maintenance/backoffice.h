#pragma once

// A shop for the back-office dialogs: the action log on, MARY logged in,
// prompts written compactly, pictures to choose, and refusals shown to change
// no row of any table.

#include "core/globals.h"
#include "core/utility.h"
#include "core/zksettings.h"
#include "tests/support/actionrows.h"
#include "tests/support/testshop.h"

#include <QAbstractButton>
#include <QImage>
#include <QMap>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>

class BackOffice : public TestShop
{
public:
    BackOffice()
    {
        settings->writeEntry(QStringLiteral("/Global/LogActions"), true);
        utils->initClass(true);
        utils->setUserName(QStringLiteral("MARY"));
    }

    /** Expects prompts written "kind|caption|text|button", kind I, W, Q or
     *  T (a text input answered with the button field as its text). */
    void expect(const QStringList& list)
    {
        const QMap<QString, ZkPrompt::Kind> kinds {
            {"I", ZkPrompt::Information}, {"W", ZkPrompt::Warning}, {"Q", ZkPrompt::Question}};
        for (const QString& p : list) {
            // An empty caption is any caption.
            const QString caption = p.section('|', 1, 1).isEmpty() ? QString() : p.section('|', 1, 1);
            const QString text = p.section('|', 2, 2), answer = p.section('|', 3, 3);
            if (p.startsWith('T'))
                prompts().expect(ZkPrompt::TextInput, caption, text, 0, answer, !answer.isEmpty());
            else
                prompts().expect(kinds.value(p.section('|', 0, 0)), caption, text, answer.toInt());
        }
    }

    /** Clicks @p button of @p dialog expecting @p list: a refusal, leaving
     *  the tables as they were in @p before and the log empty. */
    void refuse(QWidget& dialog, const QString& button, const QStringList& list, const QStringList& before)
    {
        expect(list);
        dialog.findChild<QAbstractButton*>(button)->click();
        QVERIFY2(prompts().done(), qPrintable(prompts().pending()));
        QCOMPARE(snapshot(), before);
        QCOMPARE(actionLines(), QStringList());
    }

    /** Expects the picture file dialog, answered with @p path. */
    void expectPictureFile(const QString& path)
    {
        prompts().expect(ZkPrompt::OpenFile, QStringLiteral("Choose Image"), QString(), 0, path);
    }

    /** A picture of @p width by @p height in the shop's home. */
    QString pictureFile(int width = 120, int height = 90) const
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(QColor(200, 60, 50));
        const QString path = home() + QStringLiteral("/picture%1x%2.png").arg(width).arg(height);
        image.save(path);
        return path;
    }

    /** A file that only calls itself a picture. */
    QString fakePictureFile() const
    {
        const QString path = home() + QStringLiteral("/notes.png");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("these are my notes, not a picture\n");
        return path;
    }

    /** The first column of the first row of a query, as text. */
    static QString text(const QString& sql) { return value(sql).toString(); }
    static double number(const QString& sql) { return value(sql).toDouble(); }
};

#define PROMPTED(shop) QVERIFY2((shop).prompts().done(), qPrintable((shop).prompts().pending()))
