#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

#include "wire/records/transfer_record.h"

namespace wire {

class RecordClass;

/// How a field travels in the "fields" object of a record.
enum class FieldKind {
    Text,         ///< JSON string
    Integer,      ///< JSON number without fraction, signed 32-bit
    Real,         ///< JSON number, IEEE double
    Date,         ///< JSON number, OLE Automation date held in a double
    Boolean,      ///< true or false
    RecordArray,  ///< JSON array of records in the three-member form
};

QString fieldKindName(FieldKind kind);

/// Reads and assigns one scalar field of an object of the owning class.
template <class V>
struct ScalarSlot {
    const V& (*get)(const TransferRecord& record);
    void (*set)(TransferRecord& record, V value);
};

/// Reads and replaces an array field whose elements are records of one class, owned by the field.
struct RecordArraySlot {
    const RecordClass& (*elementClass)();
    qsizetype (*count)(const TransferRecord& record);
    /// nullptr for an empty place in the array.
    const TransferRecord* (*at)(const TransferRecord& record, qsizetype index);
    /// Every element must have been made by elementClass().
    void (*set)(TransferRecord& record, std::vector<std::unique_ptr<TransferRecord>> elements);
};

using FieldSlot = std::variant<ScalarSlot<QString>, ScalarSlot<qint32>, ScalarSlot<double>,
                               ScalarSlot<bool>, RecordArraySlot>;

/// One field of a record class: the name it has in JSON, its kind and how to reach it.
struct RecordField {
    QString name;
    FieldKind kind;
    FieldSlot slot;
};

/// The description of one record class that the JSON writer, the JSON reader and the copy walk:
/// its type name and its fields in declaration order.
class RecordClass {
public:
    template <class T>
    static RecordClass of(QString module, QString className, std::vector<RecordField> fields) {
        return RecordClass(
            std::move(module), std::move(className), std::move(fields),
            []() -> std::unique_ptr<TransferRecord> { return std::make_unique<T>(); });
    }

    /// "module.Class", e.g. "baglantiu.TSonucBilgisi".
    const QString& typeName() const { return typeName_; }
    /// The class alone, e.g. "TSonucBilgisi".
    const QString& className() const { return className_; }
    const std::vector<RecordField>& fields() const { return fields_; }
    /// nullptr when the class has no field of that name.
    const RecordField* field(const QString& name) const;

    /// A new object with the class's constructor values.
    std::unique_ptr<TransferRecord> create() const { return factory_(); }
    /// A new object with every field of `source` (an object of this class), arrays deep-copied.
    std::unique_ptr<TransferRecord> clone(const TransferRecord& source) const;

private:
    RecordClass(QString module, QString className, std::vector<RecordField> fields,
                std::unique_ptr<TransferRecord> (*factory)());

    QString className_;
    QString typeName_;
    std::vector<RecordField> fields_;
    QHash<QString, std::size_t> fieldIndex_;
    std::unique_ptr<TransferRecord> (*factory_)();
};

namespace detail {

/// Visitor of several lambdas, for std::visit over a FieldSlot.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <auto Member>
struct MemberTraits;
template <class C, class V, V C::*Member>
struct MemberTraits<Member> {
    using Class = C;
    using Value = V;
};

template <class V>
struct OwnedRecords : std::false_type {};
template <class E>
struct OwnedRecords<std::vector<std::unique_ptr<E>>> : std::true_type {
    using Element = E;
};

}  // namespace detail

/// The table entry of the data member `Member` (a pointer to member); the kind follows the
/// member's type: QString, qint32, double (Real unless `dateKind`), bool, or a vector of owned
/// records whose class offers a static recordClass().
template <auto Member>
RecordField recordField(QString name, bool dateKind = false) {
    using C = typename detail::MemberTraits<Member>::Class;
    using V = typename detail::MemberTraits<Member>::Value;
    if constexpr (detail::OwnedRecords<V>::value) {
        using E = typename detail::OwnedRecords<V>::Element;
        RecordArraySlot slot{
            []() -> const RecordClass& { return E::recordClass(); },
            [](const TransferRecord& r) -> qsizetype {
                return qsizetype((static_cast<const C&>(r).*Member).size());
            },
            [](const TransferRecord& r, qsizetype i) -> const TransferRecord* {
                return (static_cast<const C&>(r).*Member)[std::size_t(i)].get();
            },
            [](TransferRecord& r, std::vector<std::unique_ptr<TransferRecord>> elements) {
                V typed;
                typed.reserve(elements.size());
                for (auto& element : elements)
                    typed.emplace_back(static_cast<E*>(element.release()));
                static_cast<C&>(r).*Member = std::move(typed);
            }};
        return RecordField{std::move(name), FieldKind::RecordArray, slot};
    } else {
        static_assert(std::is_same_v<V, QString> || std::is_same_v<V, qint32> ||
                          std::is_same_v<V, double> || std::is_same_v<V, bool>,
                      "a record field is a text, an integer, a real, a date or a Boolean");
        ScalarSlot<V> slot{
            [](const TransferRecord& r) -> const V& { return static_cast<const C&>(r).*Member; },
            [](TransferRecord& r, V value) { static_cast<C&>(r).*Member = std::move(value); }};
        FieldKind kind = FieldKind::Text;
        if constexpr (std::is_same_v<V, qint32>)
            kind = FieldKind::Integer;
        if constexpr (std::is_same_v<V, double>)
            kind = dateKind ? FieldKind::Date : FieldKind::Real;
        if constexpr (std::is_same_v<V, bool>)
            kind = FieldKind::Boolean;
        return RecordField{std::move(name), kind, slot};
    }
}

/// The property of a record field, e.g. RECORD_PROPERTY(qint32, CARINO) declares the private field
/// FCARINO, the reader CARINO() and the setter SetCARINO(value). Further arguments are the field's
/// initial value. Leaves the class in its public section.
#define RECORD_PROPERTY(Type, Name, ...)                                             \
private:                                                                             \
    Type F##Name{__VA_ARGS__};                                                       \
                                                                                     \
public:                                                                              \
    std::conditional_t<std::is_arithmetic_v<Type>, Type, const Type&> Name() const { \
        return F##Name;                                                              \
    }                                                                                \
    void Set##Name(Type value) {                                                     \
        F##Name = std::move(value);                                                  \
    }

/// The table entry of a field declared with RECORD_PROPERTY; its JSON name is the field's name.
#define RECORD_FIELD(Class, Name) ::wire::recordField<&Class::F##Name>(QStringLiteral("F" #Name))
/// The same for a double that holds an OLE Automation date.
#define RECORD_DATE_FIELD(Class, Name) \
    ::wire::recordField<&Class::F##Name>(QStringLiteral("F" #Name), true)

}  // namespace wire
