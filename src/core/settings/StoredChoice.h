#pragma once

// A setting that is one of a few named values of E, or E::Other for any
// other stored text or number, which is kept as it was read so that the
// save writes it back unchanged. Each place that uses the setting decides
// for itself what Other means there.
template <typename E, typename Stored>
class StoredChoice
{
public:
    StoredChoice(E value = E{})
        : m_value(value)
    { } // implicit: s.via = PttMethod::Com
    static StoredChoice other(const Stored& stored)
    {
        StoredChoice c(E::Other);
        c.m_other = stored;
        return c;
    }

    E value() const { return m_value; }
    // What was stored, for Other only.
    const Stored& otherValue() const { return m_other; }

    friend bool operator==(const StoredChoice& a, E b) { return a.m_value == b; }
    friend bool operator!=(const StoredChoice& a, E b) { return a.m_value != b; }
    friend bool operator==(E a, const StoredChoice& b) { return a == b.m_value; }
    friend bool operator!=(E a, const StoredChoice& b) { return a != b.m_value; }
    friend bool operator==(const StoredChoice& a, const StoredChoice& b)
    {
        return a.m_value == b.m_value && (a.m_value != E::Other || a.m_other == b.m_other);
    }
    friend bool operator!=(const StoredChoice& a, const StoredChoice& b) { return !(a == b); }

private:
    E m_value;
    Stored m_other{};
};
