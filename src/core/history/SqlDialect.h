#pragma once

// The SQL a history's database speaks, where the two differ.
enum class SqlDialect { SQLite, PostgreSQL };
