#include "db/sql.h"

#include <algorithm>

Sql::Sql(std::string_view literal) { this->literal(literal); }

Sql& Sql::literal(std::string_view piece) {
    pieces_.push_back({Kind::Literal, std::string(piece)});
    return *this;
}

Sql& Sql::text(std::string_view value) {
    pieces_.push_back({Kind::Text, std::string(value)});
    return *this;
}

Sql& Sql::texts(const std::vector<std::string>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) literal("','");
        text(values[i]);
    }
    return *this;
}

Sql& Sql::id(std::string_view value) {
    pieces_.push_back({Kind::Id, std::string(value)});
    return *this;
}

std::optional<std::string> Sql::render(
    const std::function<std::string(std::string_view)>& escape) const {
    std::string statement;
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
            case Kind::Literal:
                statement += piece.value;
                break;
            case Kind::Text:
                statement += escape(piece.value);
                break;
            case Kind::Id:
                if (!IsWholeNumber(piece.value)) return std::nullopt;
                statement += piece.value;
                break;
        }
    }
    return statement;
}

std::string Sql::preview() const {
    std::string statement;
    for (const Piece& piece : pieces_) statement += piece.value;
    return statement;
}

bool IsWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
