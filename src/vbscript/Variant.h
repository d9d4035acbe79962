#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class HostObject;
struct Array;

// The VarType numbers of the language.
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10, // only an omitted argument
    Boolean = 11,
    Byte = 17,
    Array = 8204, // vbArray + vbVariant
};

// A tagged union: scalars inline, strings, objects and arrays by shared pointer.
// Arrays are shared copy-on-write, which gives them value semantics cheaply.
class Variant
{
public:
    Variant() noexcept : m_type(VarType::Empty), m_i64(0) {}
    Variant(const Variant &other) noexcept : m_type(other.m_type), m_i64(0)
    {
        if (other.hasPointer())
            copyFrom(other);
        else
            m_i64 = other.m_i64;
    }
    Variant(Variant &&other) noexcept : m_type(other.m_type), m_i64(0)
    {
        if (other.hasPointer())
            moveFrom(other);
        else
            m_i64 = other.m_i64;
    }
    Variant &operator=(const Variant &other) noexcept
    {
        if (!hasPointer() && !other.hasPointer()) {
            m_type = other.m_type;
            m_i64 = other.m_i64;
        } else if (this != &other) {
            Variant keep(std::move(*this));
            copyFrom(other);
        }
        return *this;
    }
    Variant &operator=(Variant &&other) noexcept
    {
        if (!hasPointer() && !other.hasPointer()) {
            m_type = other.m_type;
            m_i64 = other.m_i64;
        } else if (this != &other) {
            Variant keep(std::move(*this));
            moveFrom(other);
        }
        return *this;
    }
    ~Variant()
    {
        if (hasPointer())
            release();
    }

    static Variant null();
    static Variant boolean(bool value);
    static Variant integer(int16_t value);
    static Variant longValue(int32_t value);
    static Variant single(float value);
    static Variant real(double value);
    static Variant currency(int64_t scaled); // value × 10000
    static Variant date(double serial);
    static Variant byte(uint8_t value);
    static Variant string(std::u16string value);
    static Variant string(std::shared_ptr<std::u16string> value);
    static Variant object(std::shared_ptr<HostObject> value); // null pointer is Nothing
    static Variant nothing() { return object(nullptr); }
    static Variant missing(); // an argument left out of a call
    static Variant array(std::shared_ptr<Array> value);
    // The smallest of Integer, Long and Double that holds the value.
    static Variant fromInteger(int64_t value);

    VarType type() const { return m_type; }
    bool isEmpty() const { return m_type == VarType::Empty; }
    bool isNull() const { return m_type == VarType::Null; }
    bool isString() const { return m_type == VarType::String; }
    bool isObject() const { return m_type == VarType::Object; }
    bool isArray() const { return m_type == VarType::Array; }
    bool isMissing() const { return m_type == VarType::Error; }
    bool isNothing() const { return m_type == VarType::Object && !m_obj; }

    bool boolValue() const { return m_bool; }
    int16_t intValue() const { return m_i16; }
    int32_t longValue() const { return m_i32; }
    float singleValue() const { return m_f; }
    double doubleValue() const { return m_d; }
    int64_t currencyValue() const { return m_i64; }
    double dateValue() const { return m_d; }
    uint8_t byteValue() const { return m_u8; }
    const std::u16string &stringValue() const { return *m_str; }
    const std::shared_ptr<std::u16string> &stringPointer() const { return m_str; }
    const std::shared_ptr<HostObject> &objectValue() const { return m_obj; }
    const std::shared_ptr<Array> &arrayValue() const { return m_arr; }
    // The array, copied first when shared, ready to be changed in place.
    Array &mutableArray();
    // The string, copied first when shared, ready to be appended to in place.
    std::u16string &mutableString();

private:
    bool hasPointer() const { return m_type == VarType::String || m_type == VarType::Object || m_type == VarType::Array; }
    void release() noexcept;
    void copyFrom(const Variant &other) noexcept;
    void moveFrom(Variant &other) noexcept;

    VarType m_type;
    union {
        bool m_bool;
        int16_t m_i16;
        int32_t m_i32;
        float m_f;
        double m_d;
        int64_t m_i64;
        uint8_t m_u8;
        std::shared_ptr<std::u16string> m_str;
        std::shared_ptr<HostObject> m_obj;
        std::shared_ptr<Array> m_arr;
    };
};

// A VBScript array: lower bounds are always 0; data in row-major order.
struct Array
{
    std::vector<int32_t> upper; // one upper bound per dimension; no dimension = not allocated
    std::vector<Variant> data;
    bool fixed = false; // declared with bounds: ReDim refuses it

    Array() = default;
    Array(const Array &) = default;
    ~Array();
    // Index of the element, or -1 when out of range.
    int64_t offset(const int32_t *indices, size_t count) const;
};

// Clears values without deep native recursion, however deeply arrays and objects nest.
void releaseValues(std::vector<Variant> &values) noexcept;

} // namespace vbs
