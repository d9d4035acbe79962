#include "vbscript/Variant.h"

#include "vbscript/HostObject.h"

#include <new>

namespace vbs {

namespace {

// Destroying a deeply nested structure recursively would exhaust the native stack;
// beyond a few levels the values are parked here and released by the outermost level.
thread_local int t_releaseDepth = 0;
thread_local std::vector<Variant> *t_parked = nullptr;

} // namespace

void releaseValues(std::vector<Variant> &values) noexcept
{
    if (t_releaseDepth > 64) {
        if (!t_parked)
            t_parked = new std::vector<Variant>();
        for (Variant &v : values)
            if (v.isArray() || v.isObject())
                t_parked->push_back(std::move(v));
        values.clear();
        return;
    }
    ++t_releaseDepth;
    values.clear();
    if (t_releaseDepth == 1 && t_parked) {
        while (!t_parked->empty()) {
            Variant v = std::move(t_parked->back());
            t_parked->pop_back();
        }
    }
    --t_releaseDepth;
}

Array::~Array() { releaseValues(data); }

int64_t Array::offset(const int32_t *indices, size_t count) const
{
    if (count != upper.size() || count == 0)
        return -1;
    int64_t at = 0;
    for (size_t d = 0; d < count; ++d) {
        if (indices[d] < 0 || indices[d] > upper[d])
            return -1;
        at = at * (int64_t(upper[d]) + 1) + indices[d];
    }
    return at;
}

void Variant::release() noexcept
{
    switch (m_type) {
    case VarType::String: m_str.~shared_ptr(); break;
    case VarType::Object: m_obj.~shared_ptr(); break;
    case VarType::Array: m_arr.~shared_ptr(); break;
    default: break;
    }
    m_type = VarType::Empty;
}

void Variant::copyFrom(const Variant &other) noexcept
{
    m_type = other.m_type;
    switch (m_type) {
    case VarType::String: new (&m_str) std::shared_ptr<std::u16string>(other.m_str); break;
    case VarType::Object: new (&m_obj) std::shared_ptr<HostObject>(other.m_obj); break;
    case VarType::Array: new (&m_arr) std::shared_ptr<Array>(other.m_arr); break;
    default: m_i64 = other.m_i64; break;
    }
}

void Variant::moveFrom(Variant &other) noexcept
{
    m_type = other.m_type;
    switch (m_type) {
    case VarType::String: new (&m_str) std::shared_ptr<std::u16string>(std::move(other.m_str)); break;
    case VarType::Object: new (&m_obj) std::shared_ptr<HostObject>(std::move(other.m_obj)); break;
    case VarType::Array: new (&m_arr) std::shared_ptr<Array>(std::move(other.m_arr)); break;
    default: m_i64 = other.m_i64; break;
    }
    other.release();
}

Variant Variant::missing()
{
    Variant v;
    v.m_type = VarType::Error;
    v.m_i32 = int32_t(0x80020004u);
    return v;
}

Variant Variant::null()
{
    Variant v;
    v.m_type = VarType::Null;
    return v;
}

Variant Variant::boolean(bool value)
{
    Variant v;
    v.m_type = VarType::Boolean;
    v.m_bool = value;
    return v;
}

Variant Variant::integer(int16_t value)
{
    Variant v;
    v.m_type = VarType::Integer;
    v.m_i16 = value;
    return v;
}

Variant Variant::longValue(int32_t value)
{
    Variant v;
    v.m_type = VarType::Long;
    v.m_i32 = value;
    return v;
}

Variant Variant::single(float value)
{
    Variant v;
    v.m_type = VarType::Single;
    v.m_f = value;
    return v;
}

Variant Variant::real(double value)
{
    Variant v;
    v.m_type = VarType::Double;
    v.m_d = value;
    return v;
}

Variant Variant::currency(int64_t scaled)
{
    Variant v;
    v.m_type = VarType::Currency;
    v.m_i64 = scaled;
    return v;
}

Variant Variant::date(double serial)
{
    Variant v;
    v.m_type = VarType::Date;
    v.m_d = serial;
    return v;
}

Variant Variant::byte(uint8_t value)
{
    Variant v;
    v.m_type = VarType::Byte;
    v.m_u8 = value;
    return v;
}

Variant Variant::string(std::u16string value)
{
    return string(std::make_shared<std::u16string>(std::move(value)));
}

Variant Variant::string(std::shared_ptr<std::u16string> value)
{
    Variant v;
    v.m_type = VarType::String;
    new (&v.m_str) std::shared_ptr<std::u16string>(std::move(value));
    return v;
}

Variant Variant::object(std::shared_ptr<HostObject> value)
{
    Variant v;
    v.m_type = VarType::Object;
    new (&v.m_obj) std::shared_ptr<HostObject>(std::move(value));
    return v;
}

Variant Variant::array(std::shared_ptr<Array> value)
{
    Variant v;
    v.m_type = VarType::Array;
    new (&v.m_arr) std::shared_ptr<Array>(std::move(value));
    return v;
}

Variant Variant::fromInteger(int64_t value)
{
    if (value >= -32768 && value <= 32767)
        return integer(int16_t(value));
    if (value >= INT32_MIN && value <= INT32_MAX)
        return longValue(int32_t(value));
    return real(double(value));
}

Array &Variant::mutableArray()
{
    if (m_arr.use_count() > 1)
        m_arr = std::make_shared<Array>(*m_arr);
    return *m_arr;
}

std::u16string &Variant::mutableString()
{
    if (m_str.use_count() > 1)
        m_str = std::make_shared<std::u16string>(*m_str);
    return *m_str;
}

} // namespace vbs
