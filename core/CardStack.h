// stack.xml of an OpenRaster file: read as a list of layers, nested stacks flattened; written as one stack.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QXmlStreamWriter>

namespace festoon {

struct StackLayer {
    QString src;
    // On the canvas, the offsets of the stacks around it added in.
    QPoint position;
    // Its own opacity times that of the stacks around it, 0 to 1.
    double opacity = 1;
    // False when it or a stack around it is hidden.
    bool visible = true;
    // Its attributes in the program's namespace, by local name.
    QHash<QString, QString> own;
};

struct CardStack {
    QSize size;
    QHash<QString, QString> own; // the <image> element's attributes in the program's namespace
    QList<StackLayer> layers;    // the topmost first, as the file lists them
};

// Reads stack.xml: an <image> with a positive size holding stacks of layers, each with a source. Elements
// of other namespaces and of other kinds are passed over. Throws PlatformError naming what is wrong.
[[nodiscard]] CardStack ParseCardStack(const QByteArray& xml);

// Writes stack.xml: an <image> of the given size holding one stack of layers, the topmost first. Attributes
// in the program's namespace may be added to the <image> before the stack starts, and to each layer.
class CardStackWriter {
  public:
    explicit CardStackWriter(QSize size);
    void Own(const QString& name, const QString& value);
    void Own(const QString& name, int value) { Own(name, QString::number(value)); }
    void StartStack();
    // A visible, fully opaque layer blended normally.
    void StartLayer(const QString& name, const QString& src, QPoint position);
    void EndLayer();
    [[nodiscard]] QByteArray Finish();

  private:
    QByteArray bytes_;
    QXmlStreamWriter xml_;
};

} // namespace festoon
