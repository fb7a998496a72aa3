#pragma once

// The pieces of PDF syntax the PDF writer puts its objects together from.

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QString>
#include <QtGlobal>

namespace coldesign::pdf {

// Appends a number as PDF writes it: at most three decimals, no exponent, whatever the locale.
void AppendNumber(QByteArray& out, qreal value);
QByteArray Number(qreal value);
void AppendPoint(QByteArray& out, QPointF point);
// A fill or stroke colour's three components.
QByteArray Colour(const QColor& colour);
// Four hexadecimal digits.
void AppendHex16(QByteArray& out, quint32 value);
// A text string of the document's information: UTF-16 with its byte order mark.
QByteArray TextString(const QString& text);
// A stream object's body, its data compressed.
QByteArray Stream(const QByteArray& data, const QByteArray& entries = {});
// A reference to the object numbered `object`.
QByteArray Reference(int object);

}  // namespace coldesign::pdf
