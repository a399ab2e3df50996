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
    void MacroRun(const QString& fileName = QStringLiteral("Buf.df"));
    void MacroCommand(const QString& head, const QString& rest);

  private:
    void ObjectCommand(const QString& property, const QString& rest);
    void AddCommand(const QString& property, const QString& rest);
    void SetCommand(const QString& property, const QString& rest);
    void SelectCommand(const QString& property, const QString& rest);

    Engine& engine_;
};

}  // namespace glimtex
