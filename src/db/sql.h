#pragma once
// One way to build a statement: literal pieces, quoted values and unquoted ids, joined
// in order. Quoted values are escaped on the connection that runs the statement; an id
// that is not a whole number keeps the statement from being sent at all.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Sql {
  public:
    Sql() = default;
    explicit Sql(std::string_view literal);

    // SQL text as it stands.
    Sql& literal(std::string_view piece);
    // A value that stands between single quotes written by the literal pieces around it.
    Sql& text(std::string_view value);
    // Values joined by "','": the inside of "('" ... "')".
    Sql& texts(const std::vector<std::string>& values);
    // An id or flag written without quotes: must be a whole number.
    Sql& id(std::string_view value);

    // The statement with every value escaped by escape; nullopt when an id is not a
    // whole number.
    std::optional<std::string> render(
        const std::function<std::string(std::string_view)>& escape) const;
    // The statement with values as they are (for messages and tests; never sent).
    std::string preview() const;

  private:
    enum class Kind { Literal, Text, Id };
    struct Piece {
        Kind kind;
        std::string value;
    };
    std::vector<Piece> pieces_;
};

// "-?[0-9]+": what may stand unquoted as an id.
bool IsWholeNumber(std::string_view text);
