// The nine dictionary windows, each a TFDictionary with its own description.
#pragma once

#include "masterdata/TFDictionary.h"

namespace tj::masterdata {

// Person categories.
class TFRylbie : public TFDictionary {
public:
    explicit TFRylbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Examination categories.
class TFTjlbie : public TFDictionary {
public:
    explicit TFTjlbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Examination zones.
class TFTjfqu : public TFDictionary {
public:
    explicit TFTjfqu(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Disease categories.
class TFJblbie : public TFDictionary {
public:
    explicit TFJblbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Normal results. The grid's Delete key deletes through the same guarded
// delete as the tool bar.
class TFZcjguo : public TFDictionary {
public:
    explicit TFZcjguo(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Unit natures.
class TFDwxzhi : public TFDictionary {
public:
    explicit TFDwxzhi(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Unit categories.
class TFDwlbie : public TFDictionary {
public:
    explicit TFDwlbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Fee categories of combined items.
class TFFbie : public TFDictionary {
public:
    explicit TFFbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

// Combined-item categories.
class TFZhxmLbie : public TFDictionary {
public:
    explicit TFZhxmLbie(QWidget* parent = nullptr);
    static const DictionaryDefinition Definition;
};

}  // namespace tj::masterdata
