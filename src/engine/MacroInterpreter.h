#pragma once

#include <QString>

namespace glimtex {

class Engine;

// Executes a preprocessed work file statement by statement: verb, property and
// value, as in Set.MainString = "text".
class MacroInterpreter {
  public:
    explicit MacroInterpreter(Engine& engine);

    // Runs every line of the named file (resolved in the program folder).
    void RunFile(const QString& fileName = QStringLiteral("Buf.df"));
    // One statement: head is its first word (verb and property), rest what follows.
    void RunStatement(const QString& head, const QString& rest);

  private:
    void RunObject(const QString& property, const QString& rest);
    void RunAdd(const QString& property, const QString& rest);
    void RunSet(const QString& property, const QString& rest);
    void RunSelect(const QString& property, const QString& rest);

    Engine& engine_;
};

}  // namespace glimtex
