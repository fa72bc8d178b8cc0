#pragma once

namespace tfx {

class Database;
struct Settings;

// Database1 as the window's form describes it: database Confeccao, driver STANDARD, the design
// folder, Paradox tables by default, BCD mapping off.
void setDesignValues(Database& database);

// Closes the connection, rebuilds it for the configured database type and opens it:
//   "Standard"  driver STANDARD, PATH=<Caminho>, DEFAULT DRIVER=PARADOX, ENABLE BCD=FALSE, dirty
//   read "Interbase" alias Orquel, SERVER NAME=<Caminho>, USER NAME=SYSDBA, password=plumbvise
//   "MSSQL"     alias <Caminho>, USER NAME=sa, and password=<senha> when SenhaBD is "Sim"
//   otherwise   driver STANDARD (unchanged) with no lines
void buildConnection(Database& database, const Settings& settings);

// The closing and rebuilding of buildConnection, without opening.
void applyConnectionProfile(Database& database, const Settings& settings);

} // namespace tfx
