#pragma once

#include <QStringList>

// Item texts of the watermark compose operator choice; the index is the operator number
// stored in WATERMARK_OPERATOR.
const QStringList& ComposeOperatorNames();

// Item texts of the annotation anchor choice; the index is the gravity number stored in
// ANNOTATION_GRAVITY.
const QStringList& GravityNames();
