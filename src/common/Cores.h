#pragma once
// The colours the forms use, as their RGB on a standard desktop. The first
// three stand for desktop system colours; they are fixed here so that every
// desk shows the same look.

#include <QColor>

inline const QColor clInfoBk{255, 255, 225};   // field with the focus; login edits
inline const QColor clWindow{255, 255, 255};   // field without the focus
inline const QColor clBtnFace{212, 208, 200};  // read-only code fields, window backgrounds
inline const QColor corAmareloClaro{254, 255, 198}; // design colour of the death form's CPF field
inline const QColor corQuaseBranco{253, 255, 255};  // login panels holding the focus
inline const QColor clBlue{0, 0, 255};         // link label under the pointer
inline const QColor clNavy{0, 0, 128};         // link label "Opções" at rest
