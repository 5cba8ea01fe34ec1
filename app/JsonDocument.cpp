// Parsing an input document with bounded nesting: a SAX handler that builds the document
// itself, so the depth, duplicate keys and the place of a bad number are known as they come.
#include <string>
#include <vector>

#include "app/InputError.h"
#include "app/JsonField.h"

namespace as4100 {

namespace {

using nlohmann::json;

class BoundedDocumentBuilder {
  public:
    explicit BoundedDocumentBuilder(const std::string& source) : source_(source) {}

    json Take() { return std::move(root_); }

    bool null() { return Put(json(nullptr)); }
    bool boolean(bool v) { return Put(json(v)); }
    bool number_integer(json::number_integer_t v) { return Put(json(v)); }
    bool number_unsigned(json::number_unsigned_t v) { return Put(json(v)); }
    bool number_float(json::number_float_t v, const json::string_t&) { return Put(json(v)); }
    bool string(json::string_t& v) { return Put(json(std::move(v))); }
    bool binary(json::binary_t& v) { return Put(json::binary(std::move(v))); }

    bool start_object(std::size_t) { return Open(json::object()); }
    bool start_array(std::size_t) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(json::string_t& name) {
        Frame& frame = frames_.back();
        auto [slot, inserted] = frame.container->get_ref<json::object_t&>().emplace(name, nullptr);
        frame.slot = &slot->second;
        frame.key = &slot->first;
        if (!inserted) Refuse(Path(), "the key \"" + PathKey(name) + "\" is given twice");
        return true;
    }

    bool parse_error(std::size_t, const std::string& token, const json::exception& e) {
        // 406: a number beyond the range of a double (1e999), refused at its field.
        if (e.id == 406) {
            Refuse(Path(/*next=*/true), "number beyond the range of a double, got " + token);
        }
        // nlohmann's text after its "[json.exception...] " tag names the place.
        std::string what = e.what();
        const auto tag = what.find("] ");
        if (tag != std::string::npos) what = what.substr(tag + 2);
        throw InputError(source_ + ": not valid JSON: " + what);
    }

  private:
    struct Frame {
        json* container;
        json* slot = nullptr;              // an object's value under the last key
        const std::string* key = nullptr;  // that key
        std::size_t elements = 0;          // an array's elements so far
    };

    // Stores a value where the innermost open container expects it.
    json* Store(json&& value) {
        if (frames_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Frame& frame = frames_.back();
        if (frame.container->is_array()) {
            ++frame.elements;
            frame.container->push_back(std::move(value));
            return &frame.container->back();
        }
        *frame.slot = std::move(value);
        return frame.slot;
    }

    bool Put(json&& value) {
        Store(std::move(value));
        return true;
    }

    bool Open(json&& container) {
        json* placed = Store(std::move(container));
        if (frames_.size() >= kMaxJsonDepth) {
            Refuse(Path(), "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        }
        frames_.push_back(Frame{placed});
        return true;
    }

    bool Close() {
        frames_.pop_back();
        return true;
    }

    // The path of the innermost value placed ("cases[0].name"); with `next`, of the value
    // about to be placed in an array.
    std::string Path(bool next = false) const {
        std::string path;
        for (std::size_t i = 0; i < frames_.size(); ++i) {
            const Frame& f = frames_[i];
            if (f.container->is_array()) {
                const bool last = i + 1 == frames_.size();
                const std::size_t index = f.elements - (next && last ? 0 : 1);
                path += "[" + std::to_string(index) + "]";
            } else if (f.key) {
                path += (path.empty() ? "" : ".") + PathKey(*f.key);
            }
        }
        return path.empty() ? "(top level)" : path;
    }

    [[noreturn]] void Refuse(const std::string& path, const std::string& problem) const {
        throw InputError(source_ + ": " + path + ": " + problem);
    }

    const std::string& source_;
    json root_;
    std::vector<Frame> frames_;
};

}  // namespace

json ParseJsonDocument(std::string_view text, const std::string& source) {
    BoundedDocumentBuilder builder(source);
    json::sax_parse(text, &builder);
    return builder.Take();
}

}  // namespace as4100
