// The nine dictionary windows, each a TFDictionary with its own description.
#pragma once

#include "masterdata/TFDictionary.h"

namespace tj::masterdata {

// Person categories.
class TFRylbie : public TFDictionary {
public:
    explicit TFRylbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Examination categories.
class TFTjlbie : public TFDictionary {
public:
    explicit TFTjlbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Examination zones.
class TFTjfqu : public TFDictionary {
public:
    explicit TFTjfqu(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Disease categories.
class TFJblbie : public TFDictionary {
public:
    explicit TFJblbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Normal results. The grid's Delete key deletes through the same guarded
// delete as the tool bar.
class TFZcjguo : public TFDictionary {
public:
    explicit TFZcjguo(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Unit natures.
class TFDwxzhi : public TFDictionary {
public:
    explicit TFDwxzhi(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Unit categories.
class TFDwlbie : public TFDictionary {
public:
    explicit TFDwlbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Fee categories of combined items.
class TFFbie : public TFDictionary {
public:
    explicit TFFbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

// Combined-item categories.
class TFZhxmLbie : public TFDictionary {
public:
    explicit TFZhxmLbie(QWidget* parent = nullptr);
    static const DictionarySpec Spec;
};

}  // namespace tj::masterdata
