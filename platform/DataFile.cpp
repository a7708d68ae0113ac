#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef DOPPLER_DATA_DIR
#define DOPPLER_DATA_DIR "/usr/local/share/doppler-spectroscopy"
#endif

namespace {

std::vector<AnsiString> chosenFolders;

QStringList searchFolders() {
    if (chosenFolders.empty())
        return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                QStringLiteral(DOPPLER_DATA_DIR)};
    QStringList folders;
    for (const AnsiString& f : chosenFolders)
        folders << QString::fromStdString(f);
    return folders;
}

} // namespace

void SetDataFolders(const std::vector<AnsiString>& folders) { chosenFolders = folders; }

AnsiString FindDataFile(const AnsiString& name) {
    const QString file = QString::fromStdString(name);
    for (const QString& folder : searchFolders()) {
        const QFileInfo info(QDir(folder), file);
        if (info.isFile() && info.isReadable())
            return info.absoluteFilePath().toStdString();
    }
    throw EFOpenError("Cannot open file \"" + name + "\". No such file or directory.");
}

AnsiString ReadDataFile(const AnsiString& name) {
    const AnsiString path = FindDataFile(name);
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError("Cannot open file \"" + name + "\". " + f.errorString().toStdString());
    return f.readAll().toStdString();
}
