#include "DialogTestSupport.h"

#include "SoundEffects.h"
#include "SyntheticSet.h"

#include <QDir>

DialogTestBench::DialogTestBench() {
    folder = dir.path();
    QDir root(folder);
    for (const char* sub : {"Battles", "icons", "bmps", "wavs"})
        root.mkdir(QString::fromLatin1(sub));
    sounds = std::make_unique<SoundEffects>(folder);
    context = std::make_unique<EditorContext>(
        EditorContext{document, document.symbols(), definitions, *sounds, folder,
                      [this](const QString& caption, const QString& text) {
                          messages.emplace_back(caption, text);
                      },
                      TestPalette(), QImage()});
    context->showRefusal = [this](const QString& reason) { refusals << reason; };
}

void DialogTestBench::WriteSet(const QString& name) {
    SymbolSet set;
    WriteSyntheticSet(folder + "/Battles/" + name + ".set", 3, 2, {4, 16, 30}, 8, set);
}

QString DialogTestBench::WriteIcon(const QString& fileName, QColor colour, int size) {
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(colour);
    const QString path = folder + "/icons/" + fileName;
    icon.save(path, "BMP");
    return path;
}

QColor DialogTestBench::PaletteIndexColour(int index) {
    return QColor(index, 255 - index, (index * 7) % 256);
}

QImage DialogTestBench::TestPalette() {
    QImage palette(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        palette.setPixelColor(i % 16, i / 16, PaletteIndexColour(i));
    return palette;
}

QStringList DialogTestBench::messageTexts() const {
    QStringList out;
    for (const auto& m : messages)
        out.append(m.second);
    return out;
}
