// plainart: writes pictures as their plain pixels, for the game to use where they lie, without
// decoding them (drawing/art_files.h).
//
//   plainart --from DIR --out DIR NAME...
//
// Each NAME is a PNG file below --from (sprites/pieces.png); its pixels go to the same name
// below --out, ending in .pam instead (sprites/pieces.pam): a PAM file of eight-bit RGB rows,
// or RGB_ALPHA rows, not premultiplied, where the picture has any transparency. The output
// depends on the input only.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "command_line.h"

namespace {

const QString kTool = QStringLiteral("plainart");

QByteArray PlainPixels(const QImage& picture) {
    const bool transparent = picture.hasAlphaChannel();
    const QImage rows =
        picture.convertToFormat(transparent ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int depth = transparent ? 4 : 3;
    QByteArray pam = QStringLiteral(
                         "P7\nWIDTH %1\nHEIGHT %2\nDEPTH %3\nMAXVAL 255\n"
                         "TUPLTYPE %4\nENDHDR\n")
                         .arg(rows.width())
                         .arg(rows.height())
                         .arg(depth)
                         .arg(transparent ? QStringLiteral("RGB_ALPHA") : QStringLiteral("RGB"))
                         .toLatin1();
    // An image's rows in memory are padded to whole words; the file's are not.
    for (int y = 0; y < rows.height(); ++y)
        pam.append(reinterpret_cast<const char*>(rows.constScanLine(y)), rows.width() * depth);
    return pam;
}

}  // namespace

int main(int argc, char** argv) {
    slcy::tools::CommandLine commandLine(kTool, QStringLiteral("--from DIR --out DIR NAME..."),
                                         QStringLiteral("Writes PNG pictures as PAM files of "
                                                        "their plain pixels."));
    const QCommandLineOption fromOption(QStringLiteral("from"),
                                        QStringLiteral("The folder the names are below."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("The folder to write below."), QStringLiteral("DIR"));
    commandLine.Add(fromOption);
    commandLine.Add(outOption);
    commandLine.Parse(argc, argv);
    if (!commandLine.IsSet(fromOption) || !commandLine.IsSet(outOption))
        commandLine.Fail(QStringLiteral("--from and --out are needed"));

    const QDir from(commandLine.Value(fromOption));
    const QDir out(commandLine.Value(outOption));
    for (const QString& name : commandLine.Positional()) {
        const QImage picture(from.filePath(name));
        if (picture.isNull())
            slcy::tools::Die(kTool, QStringLiteral("cannot read %1").arg(from.filePath(name)));
        const QFileInfo png(out.filePath(name));
        const QString path = png.path() + '/' + png.completeBaseName() + QStringLiteral(".pam");
        QFile file(path);
        if (!QDir().mkpath(png.path()) || !file.open(QIODevice::WriteOnly) ||
            file.write(PlainPixels(picture)) < 0 || !file.flush())
            slcy::tools::Die(kTool, QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}
