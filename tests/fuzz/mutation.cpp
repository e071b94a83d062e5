// Saved projects damaged the ways a file on disk or edited by hand is.
#include <cstring>
#include <nlohmann/json.hpp>

#include "fuzz.h"

namespace vado::fuzz {

namespace {

using Json = nlohmann::ordered_json;

size_t Below(Rng& rng, size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng); }

// Every value of the document, depth first, so one can be picked and replaced.
void Collect(Json& j, std::vector<Json*>& all) {
    all.push_back(&j);
    if (j.is_structured())
        for (auto& child : j) Collect(child, all);
}

// A member of one of the document's objects: the object and where the member is in it.
std::pair<Json*, Json::iterator> AnyMember(Json& doc, Rng& rng) {
    std::vector<Json*> all;
    Collect(doc, all);
    std::erase_if(all, [](Json* j) { return !j->is_object() || j->empty(); });
    Json* object = all[Below(rng, all.size())];
    return {object, std::next(object->begin(), static_cast<long>(Below(rng, object->size())))};
}

// A value of another type than `j`.
Json OtherType(const Json& j, Rng& rng) {
    const std::vector<Json> others = {nullptr, true, 7, -1.5, "12", Json::array({1, "2"}), Json::object({{"x", 1}})};
    for (;;)
        if (const Json& v = others[Below(rng, others.size())]; v.type() != j.type()) return v;
}

// The document with the value a marker was put in for written as `with`, text that may be no JSON.
const char* const kMarker = "@@vado-fuzz-value@@";
std::string Replaced(const Json& doc, const std::string& with) {
    std::string text = doc.dump(1);
    const auto at = text.find(std::string("\"") + kMarker + "\"");
    return at == std::string::npos ? text : text.replace(at, std::strlen(kMarker) + 2, with);
}

}  // namespace

std::string SmallProject(const std::string& project) {
    try {
        Json doc = Json::parse(project);
        const Json shown = doc.value("shownPage", Json());
        for (const char* part : {"pages", "lastEntered"}) {
            if (!doc.contains(part) || !doc[part].is_object()) continue;
            Json kept = Json::object();
            if (shown.is_string() && doc[part].contains(shown.get<std::string>()))
                kept[shown.get<std::string>()] = doc[part][shown.get<std::string>()];
            doc[part] = kept;
        }
        return doc.dump(1) + "\n";
    } catch (const Json::exception&) {
        return project;
    }
}

const char* MutationName(int kind) {
    static const char* const names[kMutationKinds] = {"cut short",     "wrong type",   "number",
                                                      "deep nesting",  "long string",  "invalid UTF-8",
                                                      "duplicate key", "byte changed", "part removed or renamed"};
    return names[((kind % kMutationKinds) + kMutationKinds) % kMutationKinds];
}

std::string Mutate(const std::string& project, int kind, std::uint64_t seed) {
    Rng rng(seed);
    kind = ((kind % kMutationKinds) + kMutationKinds) % kMutationKinds;
    if (kind == 0) {
        const std::string small = SmallProject(project);
        return small.substr(0, small.empty() ? 0 : seed % small.size());
    }
    if (kind == 7) {
        std::string text = project;
        if (!text.empty()) text[Below(rng, text.size())] = static_cast<char>(Below(rng, 256));
        return text;
    }
    if (kind == 5) {
        // A bad sequence just inside the quotes of one of the document's strings.
        static const std::vector<std::string> bad = {"\xFF", "\xC3", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\x80"};
        std::vector<size_t> at;
        for (size_t i = 0, inside = 0; i < project.size(); ++i)
            if (project[i] == '\\') ++i;
            else if (project[i] == '"' && (inside = !inside)) at.push_back(i + 1);
        if (at.empty()) return project;
        const size_t pos = at[Below(rng, at.size())];
        return project.substr(0, pos) + bad[Below(rng, bad.size())] + project.substr(pos);
    }
    Json doc = Json::parse(project, nullptr, false);
    if (!doc.is_object() || doc.empty()) return project;
    std::vector<Json*> all;
    Collect(doc, all);
    // Never the root: its members are where the reading happens.
    Json* target = all[1 + Below(rng, all.size() - 1)];
    switch (kind) {
        case 1: *target = OtherType(*target, rng); return doc.dump(1);
        case 2: {
            // Numbers JSON can carry and numbers no double can hold, put in as text.
            static const std::vector<std::string> numbers = {
                "1e999", "-1e999", "1e308", "-1", "0", "-0", "1.5", "2147483648", "-2147483649",
                "9223372036854775808", "18446744073709551616", "1e-999", "32768", "99999999999999999999999"};
            *target = kMarker;
            return Replaced(doc, numbers[Below(rng, numbers.size())]);
        }
        case 3: {
            const size_t depth = 1000 + Below(rng, 200000);
            *target = kMarker;
            const bool arrays = Below(rng, 2) == 0;
            std::string nested;
            for (size_t i = 0; i < depth; ++i) nested += arrays ? "[" : "{\"a\":";
            nested += "1";
            for (size_t i = 0; i < depth; ++i) nested += arrays ? "]" : "}";
            return Replaced(doc, nested);
        }
        case 4: *target = std::string(1000 + Below(rng, 300000), "0123456789.Ee-x"[Below(rng, 15)]); return doc.dump(1);
        case 6: {
            // A key of an object given again with another value: the parser keeps one of them.
            auto [object, it] = AnyMember(doc, rng);
            const std::string key = it.key(), original = it.value().dump(), other = OtherType(it.value(), rng).dump();
            (*object)[key] = kMarker;
            const bool otherFirst = Below(rng, 2) == 0;
            return Replaced(doc, (otherFirst ? other : original) + ", " + Json(key).dump() + ": " + (otherFirst ? original : other));
        }
        default: {
            // A member removed, or renamed to something this version does not know.
            auto [object, it] = AnyMember(doc, rng);
            const std::string key = it.key();
            Json value = it.value();
            object->erase(key);
            if (Below(rng, 2)) (*object)[key + (Below(rng, 2) ? "X" : "(7)")] = value;
            return doc.dump(1);
        }
    }
}

}  // namespace vado::fuzz
