#include "app/curves/core/KeyedCoding.h"

namespace curves {

KeyedDoubles encode(const CIELab& lab) { return {{"L", lab.L}, {"a", lab.a}, {"b", lab.b}}; }

CIELab decodeCIELab(const KeyedDoubles& record) {
    auto value = [&](const char* key) {
        auto found = record.find(key);
        if (found == record.end()) throw DecodingError(std::string("keyNotFound: \"") + key + "\"");
        return found->second;
    };
    CIELab lab;
    lab.L = value("L");
    lab.a = value("a");
    lab.b = value("b");
    return lab;
}

} // namespace curves
