// Renders the window on a fresh copy of an example drive C: to a PNG, the
// picture the README shows. Run with QT_QPA_PLATFORM=offscreen.
// Usage: screenshot [--language nb|en|de] DRIVE-FOLDER OUTPUT.PNG [PAGE]
// (PAGE: a tab's caption, in the language shown)
#include "app/os2form.h"
#include "app/qt_translation.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

// Copies the files under `from` to `to`: what the window writes never reaches the example.
bool copyTree(const QString &from, const QString &to)
{
    // Absolute, so that a folder given relative to the current one keeps its
    // layout: the iterator's names and the base they are taken from agree.
    const QDir source(QFileInfo(from).absoluteFilePath());
    QDirIterator it(source.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + source.relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "screenshot: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    std::optional<uilanguage::Language> language = uilanguage::Language::Norwegian;
    if (args.size() > 2 && args[1] == u"--language") {
        language = uilanguage::fromCode(args[2]);
        args.remove(1, 2);
    }
    if (args.size() < 3 || args.size() > 4 || !language) {
        std::fprintf(stderr, "usage: screenshot [--language nb|en|de] DRIVE-FOLDER OUTPUT.PNG [PAGE]\n");
        return 2;
    }
    setUpApplication(app, *language);

    QTemporaryDir drive;
    if (!drive.isValid() || !copyTree(args[1], drive.path()))
        return fail(QStringLiteral("cannot copy %1").arg(args[1]));
    DriveMap drives;
    drives.setDrive(u'C', drive.path());
    QStringList errors;
    TOs2Form window({}, drives, [&errors](QWidget *, const QString &message) { errors << message; });
    window.show();
    if (args.size() == 4) {
        auto *notebook = window.findChild<QTabWidget *>(QStringLiteral("NoteBook"));
        int page = 0;
        while (page < notebook->count() && notebook->tabText(page) != args[3])
            ++page;
        if (page == notebook->count())
            return fail(QStringLiteral("no page %1").arg(args[3]));
        notebook->setCurrentIndex(page);
    }
    QApplication::processEvents();
    if (!errors.isEmpty())
        return fail(errors.join(u'\n'));
    if (!window.grab().save(args[2]))
        return fail(QStringLiteral("cannot write %1").arg(args[2]));
    return 0;
}
