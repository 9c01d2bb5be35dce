// stack.xml through Qt's streaming XML reader and writer. Reading fetches no entity or file, and bounds the
// counts of layers and of nested stacks.
#include "core/CardStack.h"

#include "core/CardFileFormat.h"
#include "core/PlatformError.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace festoon {
namespace {

using namespace cardfile;

[[noreturn]] void ThrowBadStack(const QString& why) {
    throw PlatformError(QStringLiteral("stack.xml %1").arg(why));
}

QHash<QString, QString> OwnAttributes(const QXmlStreamAttributes& attributes) {
    QHash<QString, QString> own;
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.namespaceUri() == kNamespace) {
            own.insert(attribute.name().toString(), attribute.value().toString());
        }
    }
    return own;
}

// A whole number, also when written with a fraction of zero ("12.0"); `fallback` when absent.
int Coordinate(const QXmlStreamAttributes& attributes, const QString& name, int fallback) {
    const QStringView text = attributes.value(name);
    if (text.isNull()) {
        return fallback;
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > kMaxPosition) {
        ThrowBadStack(QStringLiteral("gives %1 as %2").arg(text.toString(), name));
    }
    return static_cast<int>(std::lround(value));
}

double Opacity(const QXmlStreamAttributes& attributes) {
    const QStringView text = attributes.value(QStringLiteral("opacity"));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return text.isNull() || !ok || !std::isfinite(value) ? 1.0 : std::clamp(value, 0.0, 1.0);
}

bool Visible(const QXmlStreamAttributes& attributes) {
    return attributes.value(QStringLiteral("visibility")) != QStringLiteral("hidden");
}

// What the stacks around an element pass on to it.
struct Surroundings {
    QPoint offset;
    double opacity = 1;
    bool visible = true;
};

Surroundings Within(const Surroundings& outer, const QXmlStreamAttributes& attributes) {
    const QPoint offset = outer.offset + QPoint(Coordinate(attributes, QStringLiteral("x"), 0),
                                                Coordinate(attributes, QStringLiteral("y"), 0));
    if (std::abs(offset.x()) > kMaxPosition || std::abs(offset.y()) > kMaxPosition) {
        ThrowBadStack(QStringLiteral("places a layer too far off the canvas"));
    }
    return {offset, outer.opacity * Opacity(attributes), outer.visible && Visible(attributes)};
}

QSize ImageSize(const QXmlStreamAttributes& attributes) {
    bool wOk = false, hOk = false;
    const int w = attributes.value(QStringLiteral("w")).toInt(&wOk);
    const int h = attributes.value(QStringLiteral("h")).toInt(&hOk);
    if (!wOk || !hOk) {
        ThrowBadStack(QStringLiteral("gives no size for the picture"));
    }
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide ||
        static_cast<qint64>(w) * h > kMaxPicturePixels) {
        throw PlatformError(QStringLiteral("the picture is far too large (%1 x %2 pixels)").arg(w).arg(h));
    }
    return {w, h};
}

StackLayer ReadLayer(const Surroundings& around, const QXmlStreamAttributes& attributes) {
    const Surroundings at = Within(around, attributes);
    StackLayer layer;
    layer.src = attributes.value(QStringLiteral("src")).toString();
    if (layer.src.isEmpty()) {
        ThrowBadStack(QStringLiteral("lists a layer without a picture"));
    }
    layer.position = at.offset;
    layer.opacity = at.opacity;
    layer.visible = at.visible;
    layer.own = OwnAttributes(attributes);
    return layer;
}

} // namespace

CardStack ParseCardStack(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QStringLiteral("image") ||
        !reader.namespaceUri().isEmpty()) {
        ThrowBadStack(reader.hasError() ? QStringLiteral("is not valid XML (line %1: %2)")
                                              .arg(reader.lineNumber())
                                              .arg(reader.errorString())
                                        : QStringLiteral("does not describe a layered picture"));
    }
    CardStack stack;
    stack.size = ImageSize(reader.attributes());
    stack.own = OwnAttributes(reader.attributes());
    QList<Surroundings> open{Surroundings{}}; // the <image>, then every <stack> not yet closed
    while (!open.isEmpty() && !reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        const bool ours = reader.namespaceUri().isEmpty();
        if (ours && reader.name() == QStringLiteral("stack")) {
            if (open.size() > kMaxStackDepth) {
                ThrowBadStack(QStringLiteral("nests its stacks too deeply"));
            }
            open.append(Within(open.last(), reader.attributes()));
            continue;
        }
        if (ours && reader.name() == QStringLiteral("layer")) {
            if (stack.layers.size() >= kMaxStackLayers) {
                ThrowBadStack(QStringLiteral("lists far more layers than a card can hold"));
            }
            stack.layers.append(ReadLayer(open.last(), reader.attributes()));
        }
        reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        ThrowBadStack(QStringLiteral("is not valid XML (line %1: %2)")
                          .arg(reader.lineNumber())
                          .arg(reader.errorString()));
    }
    return stack;
}

CardStackWriter::CardStackWriter(QSize size) : xml_(&bytes_) {
    xml_.setAutoFormatting(true);
    xml_.writeStartDocument();
    xml_.writeNamespace(kNamespace, kNamespacePrefix);
    xml_.writeStartElement(QStringLiteral("image"));
    xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("0.0.5"));
    xml_.writeAttribute(QStringLiteral("w"), QString::number(size.width()));
    xml_.writeAttribute(QStringLiteral("h"), QString::number(size.height()));
}

void CardStackWriter::Own(const QString& name, const QString& value) {
    xml_.writeAttribute(kNamespace, name, value);
}

void CardStackWriter::StartStack() {
    xml_.writeStartElement(QStringLiteral("stack"));
}

void CardStackWriter::StartLayer(const QString& name, const QString& src, QPoint position) {
    xml_.writeStartElement(QStringLiteral("layer"));
    xml_.writeAttribute(QStringLiteral("name"), name);
    xml_.writeAttribute(QStringLiteral("src"), src);
    xml_.writeAttribute(QStringLiteral("x"), QString::number(position.x()));
    xml_.writeAttribute(QStringLiteral("y"), QString::number(position.y()));
    xml_.writeAttribute(QStringLiteral("opacity"), QStringLiteral("1.000"));
    xml_.writeAttribute(QStringLiteral("visibility"), QStringLiteral("visible"));
    xml_.writeAttribute(QStringLiteral("composite-op"), QStringLiteral("svg:src-over"));
}

void CardStackWriter::EndLayer() {
    xml_.writeEndElement();
}

QByteArray CardStackWriter::Finish() {
    xml_.writeEndDocument();
    return bytes_;
}

} // namespace festoon
