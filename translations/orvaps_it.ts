<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessLevel</name>
    <message>
        <location filename="../src/core/access/Passwords.cpp" line="+37"/>
        <source>  (PW = Administrator)</source>
        <translation>  (PW = Amministratore)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (PW = rivenditore)</source>
        <translation>  (PW = rivenditore)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (PW = tecnico)</source>
        <translation>  (PW = tecnico)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (PW = sconosciuta)</source>
        <translation>  (PW = sconosciuta)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dealer</source>
        <translation>rivenditore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>technician</source>
        <translation>tecnico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
</context>
<context>
    <name>AppMain</name>
    <message>
        <location filename="../src/app/main.cpp" line="+23"/>
        <source>Offer DEVICE as a serial port, before the system&apos;s ports (repeatable); tcp://HOST:PORT or rfc2217://HOST:PORT names a serial-to-network bridge.</source>
        <translation>Offre DEVICE come porta seriale, prima delle porte del sistema (ripetibile); tcp://HOST:PORT o rfc2217://HOST:PORT indica un convertitore seriale-rete.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start a simulated tester and list it first.</source>
        <translation>Avvia un centrafari simulato e lo elenca per primo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The service history: a file, sqlite:FILE or postgresql://user@host:port/database (default: the settings file&apos;s, else the user&apos;s own).</source>
        <translation>Lo storico interventi: un file, sqlite:FILE o postgresql://user@host:port/database (predefinito: quello del file di impostazioni, altrimenti quello dell&apos;utente).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a timestamped hex trace of the serial line to FILE, for a problem report.</source>
        <translation>Scrive in FILE una traccia esadecimale con orari della linea seriale, per segnalare un problema.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Service and set-up tool of the ORVA headlight tester.</source>
        <translation>Strumento di assistenza e configurazione del centrafari ORVA.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>ORVA demo</source>
        <translation>ORVA demo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The simulated tester could not start: %1</source>
        <translation>Impossibile avviare il centrafari simulato: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../src/core/params/Catalogue.cpp" line="+77"/>
        <source>LEFT-HAND DRIVE</source>
        <translation>GUIDA A SINISTRA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT-HAND DRIVE</source>
        <translation>GUIDA A DESTRA</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <location filename="../src/cli/OutputFile.cpp" line="+49"/>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standard output</source>
        <translation>lo standard output</translation>
    </message>
    <message>
        <location filename="../src/cli/CliSession.cpp" line="+57"/>
        <source>no tester answered on %1: check the cable, the port and the tester&apos;s power supply</source>
        <translation>nessun centrafari ha risposto su %1: controllare il cavo, la porta e l&apos;alimentazione del centrafari</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1</source>
        <translation>verifica: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>recorded as history entry %1</source>
        <translation>registrato come voce %1 dello storico</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="+67"/>
        <source>the service history has no entry of the tester %1 on %2</source>
        <translation>lo storico interventi non ha alcuna voce del centrafari %1 il %2</translation>
    </message>
    <message>
        <location filename="../src/cli/CliSession.cpp" line="+3"/>
        <source>recorded on this computer, not yet on the server %1, which could not be reached; orva-cli history sync sends it when it can be.</source>
        <translation>registrato su questo computer, non ancora sul server %1, che non era raggiungibile; orva-cli history sync lo invia quando sarà possibile.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>warning: this read is not recorded: %1</source>
        <translation>attenzione: questa lettura non è registrata: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 Nothing was written. On a machine with no writable home, --no-history writes without a record.</source>
        <translation>%1 Non è stato scritto nulla. Su una macchina senza home scrivibile, --no-history scrive senza registrare.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>no tester answered on %1 within %2 s: check the cable, the port and the tester&apos;s power supply</source>
        <translation>nessun centrafari ha risposto su %1 entro %2 s: controllare il cavo, la porta e l&apos;alimentazione del centrafari</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>note: </source>
        <translation>nota: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>warning: %1</source>
        <translation>attenzione: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>nothing was written</source>
        <translation>non è stato scritto nulla</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+52"/>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a parameter document: %2</source>
        <translation>%1 non è un documento di parametri: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+28"/>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+2"/>
        <source>this password may not change any parameter</source>
        <translation>questa password non può modificare alcun parametro</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+11"/>
        <source>%1 holds the serial number %2, not %3 of the tester on %4: nothing was written (--other-tester writes it anyway, also to change the serial number)</source>
        <translation>%1 contiene il numero di serie %2, non %3 del centrafari su %4: non è stato scritto nulla (--other-tester lo scrive comunque, anche per cambiare il numero di serie)</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+3"/>
        <source>restore needs the service history</source>
        <translation>restore richiede lo storico interventi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>entry %1 is a %2 and holds no state before it: restore an entry of a send, a calibration or a restore</source>
        <translation>la voce %1 è di tipo %2 e non contiene uno stato precedente: ripristinare una voce di invio, di calibrazione o di ripristino</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>entry %1 is of the tester %2, not of %3 on %4: nothing was written (--other-tester restores it anyway)</source>
        <translation>la voce %1 è del centrafari %2, non di %3 su %4: non è stato scritto nulla (--other-tester la ripristina comunque)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>entry %1</source>
        <translation>voce %1</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="+39"/>
        <source>this password may not calibrate</source>
        <translation>questa password non può calibrare</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../src/cli/commands/ReadCommand.cpp" line="+15"/>
        <source>Write the document to FILE (default: standard output).</source>
        <translation>Scrive il documento in FILE (predefinito: standard output).</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="-40"/>
        <source>The document to write.</source>
        <translation>Il documento da scrivere.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="+33"/>
        <source>Do not read back what was written.</source>
        <translation>Non rilegge ciò che è stato scritto.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="-12"/>
        <source>low or high.</source>
        <translation>low o high.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The reference illuminance, 1 to 9999.</source>
        <translation>L&apos;illuminamento di riferimento, da 1 a 9999.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write the factor.</source>
        <translation>Scrive il fattore.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-16"/>
        <source>Wait at most S seconds for the tester (default %1).</source>
        <translation>Attende il centrafari al massimo S secondi (predefinito %1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write a timestamped hex trace of the line to FILE.</source>
        <translation>Scrive in FILE una traccia esadecimale con orari della linea.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The service history: a file, sqlite:FILE or postgresql://user@host:port/database.</source>
        <translation>Lo storico interventi: un file, sqlite:FILE o postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Record nothing (a machine without a writable home).</source>
        <translation>Non registra nulla (macchina senza home scrivibile).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Only the entries of the tester with this serial number.</source>
        <translation>Solo le voci del centrafari con questo numero di serie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print JSON.</source>
        <translation>Stampa in JSON.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="+47"/>
        <source>Print an entry&apos;s documents.</source>
        <translation>Stampa i documenti di una voce.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="-41"/>
        <source>The day of the visit (default: today).</source>
        <translation>Il giorno dell&apos;intervento (predefinito: oggi).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One entry instead of a day&apos;s.</source>
        <translation>Una sola voce invece di quelle di un giorno.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The PDF file to write.</source>
        <translation>Il file PDF da scrivere.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-8"/>
        <source>Write what was read from another tester.</source>
        <translation>Scrive ciò che è stato letto da un altro centrafari.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="+158"/>
        <source>List the testers the history knows, soonest expiry date first.</source>
        <translation>Elenca gli apparecchi noti alla cronologia, dalla scadenza più vicina.</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandTable.cpp" line="+56"/>
        <source>
&apos;orva-cli COMMAND --help&apos; describes a command&apos;s options. The password of write,
calibrate and restore is asked for on the terminal, or read from the first line of
standard input.

Exit status: 0 done, 2 usage, 3 no tester, 4 port cannot be opened, 5 access refused,
6 verify mismatch, 7 bad input, 8 the tester or the parameter file failed, 9 the
service history cannot be written (nothing was written to the tester), 10 an output
file cannot be written, 11 the tester was written but its record could not be
finished (it is kept on this computer), 130 and 143 interrupted by SIGINT or SIGTERM.
</source>
        <translation>
&apos;orva-cli COMMAND --help&apos; descrive le opzioni di un comando. La password di write,
calibrate e restore viene chiesta sul terminale, o letta dalla prima riga dello
standard input.

Stato di uscita: 0 fatto, 2 uso, 3 nessun centrafari, 4 porta non apribile, 5 accesso negato,
6 verifica non corrispondente, 7 input non valido, 8 errore del centrafari o del file parametri,
9 lo storico interventi non può essere scritto (nulla è stato scritto sul centrafari), 10 un file
di uscita non può essere scritto, 11 il centrafari è stato scritto ma la sua registrazione non è
stata completata (è conservata su questo computer), 130 e 143 interrotto da SIGINT o SIGTERM.
</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="+62"/>
        <source>--timeout takes a whole number of seconds from 1 to %1</source>
        <translation>--timeout accetta un numero intero di secondi da 1 a %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>interrupted by %1: the write stopped between two bytes; the history records what the tester acknowledged</source>
        <translation>interrotto da %1: la scrittura si è fermata tra due byte; lo storico registra ciò che il centrafari ha confermato</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/PortsCommand.cpp" line="+27"/>
        <source>List the serial ports the window would offer.</source>
        <translation>Elenca le porte seriali che la finestra offrirebbe.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-26"/>
        <source>The tester&apos;s serial device, or a serial-to-network bridge: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT (telnet).</source>
        <translation>Il dispositivo seriale del centrafari, o un convertitore seriale-rete: tcp://HOST:PORT (grezzo) o rfc2217://HOST:PORT (telnet).</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReadCommand.cpp" line="+22"/>
        <source>Read every parameter into a JSON document.</source>
        <translation>Legge tutti i parametri in un documento JSON.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+68"/>
        <source>Write a document&apos;s changes, then read them back.</source>
        <translation>Scrive le modifiche di un documento, poi le rilegge.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="+52"/>
        <source>Measure a beam&apos;s factor; --yes writes it.</source>
        <translation>Misura il fattore di un fascio; --yes lo scrive.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+25"/>
        <source>Put the tester back to a history entry&apos;s state before it.</source>
        <translation>Riporta il centrafari allo stato precedente a una voce dello storico.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="+102"/>
        <source>List the service history, or print one entry.</source>
        <translation>Elenca lo storico interventi o stampa una voce.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="+67"/>
        <source>Print a visit&apos;s service report: a tester&apos;s entries of one day, or --entry ENTRY.</source>
        <translation>Stampa il rapporto di un intervento: voci di un centrafari in un giorno, o --entry ENTRY.</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandTable.cpp" line="-7"/>
        <source>Usage: orva-cli COMMAND [OPTIONS]
Reads and writes an ORVA headlight tester from scripts.

Commands:
</source>
        <translation>Uso: orva-cli COMMAND [OPTIONS]
Legge e scrive un centrafari ORVA da script.

Comandi:
</translation>
    </message>
    <message>
        <location filename="../src/cli/CliCall.cpp" line="+20"/>
        <location filename="../src/cli/main.cpp" line="+79"/>
        <source>%1 (see orva-cli %2--help)</source>
        <translation>%1 (vedere orva-cli %2--help)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="+2"/>
        <source>name a command before the options</source>
        <translation>indicare un comando prima delle opzioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown command %1</source>
        <translation>comando sconosciuto %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This help.</source>
        <translation>Questo aiuto.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: orva-cli %1</source>
        <translation>Uso: orva-cli %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 takes no argument %2</source>
        <translation>%1 non accetta l&apos;argomento %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 needs %2</source>
        <translation>%1 richiede %2</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="-16"/>
        <source>--entry takes an entry number</source>
        <translation>--entry richiede un numero di voce</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--date takes a day as YYYY-MM-DD</source>
        <translation>--date richiede un giorno nel formato YYYY-MM-DD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--serial SN or --entry ENTRY is needed</source>
        <translation>serve --serial SN o --entry ENTRY</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--out FILE.pdf is needed</source>
        <translation>serve --out FILE.pdf</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="+13"/>
        <source>--port DEVICE is needed</source>
        <translation>serve --port DEVICE</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="-14"/>
        <source>--in FILE is needed</source>
        <translation>serve --in FILE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--trace names the file --in reads</source>
        <translation>--trace indica il file che --in legge</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="-18"/>
        <source>--beam takes low or high</source>
        <translation>--beam accetta low o high</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--lux takes a whole number from 1 to 9999</source>
        <translation>--lux richiede un numero intero da 1 a 9999</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="-12"/>
        <source>ENTRY is an entry number of orva-cli history</source>
        <translation>ENTRY è un numero di voce di orva-cli history</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="-24"/>
        <source>the password line is longer than %1 characters: nothing was done</source>
        <translation>la riga della password supera i %1 caratteri: non è stato fatto nulla</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="-94"/>
        <source>Only entries of this kind: read, send, calibration, restore.</source>
        <translation>Solo le voci di questo tipo: read, send, calibration, restore.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Only entries with this outcome, such as done or failed.</source>
        <translation>Solo le voci con questo esito, come done o failed.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only entries of this day or later.</source>
        <translation>Solo le voci di questo giorno o successive.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only entries of this day or earlier.</source>
        <translation>Solo le voci di questo giorno o precedenti.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>At most N entries, the newest.</source>
        <translation>Al massimo N voci, le più recenti.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="-61"/>
        <source>Only testers whose expiry date is at most DAYS days away, or past, or cannot be read.</source>
        <translation>Solo gli apparecchi la cui scadenza è entro DAYS giorni, già passata o illeggibile.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print CSV with a header, for a spreadsheet.</source>
        <translation>Stampa CSV con intestazione, per un foglio di calcolo.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistorySyncCommand.cpp" line="+55"/>
        <source>Give a server history the entries this computer keeps for it while the server cannot be reached.</source>
        <translation>Consegna a uno storico su server le voci che questo computer tiene per esso mentre il server non è raggiungibile.</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <location filename="../src/core/base/Control.cpp" line="+21"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language key</source>
        <translation>Codice lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manufacter</source>
        <translation>Costruttore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homologation N.</source>
        <translation>N. omologazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire DD</source>
        <translation>Data scadenza GG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire MM</source>
        <translation>Data scadenza MM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire YYYY</source>
        <translation>Data scadenza AAAA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit of Light</source>
        <translation>Unità di luce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type of Panel</source>
        <translation>Tipo pannello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protocol RS232</source>
        <translation>Protocollo RS232</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MCTC-NET Version</source>
        <translation>Versione MCTC-NET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equipment Address</source>
        <translation>Indirizzo centrafari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage Name</source>
        <translation>Nome officina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 1</source>
        <translation>Indir. officina 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 2</source>
        <translation>Indir. officina 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 3</source>
        <translation>Indir. officina 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 4</source>
        <translation>Indir. officina 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print HEIGHT BEAM and INCLINATION</source>
        <translation>Stampa ALTEZZA FASCIO e INCLINAZIONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send Parameters to Equipment</source>
        <translation>Invia parametri al centrafari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port Com</source>
        <translation>Porta Com</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type of Lamp</source>
        <translation>Tipo lampada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lux Calibrator LOW BEAM</source>
        <translation>Lux calibr. ANABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate Low Beam</source>
        <translation>Calibra anabbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lux Calibrator HIGH BEAM</source>
        <translation>Lux calibr. ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate High Beam</source>
        <translation>Calibra abbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate Photodiode</source>
        <translation>Calibra fotodiodo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable FOG test request</source>
        <translation>abilita test FENDINEBBIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable good test forcing</source>
        <translation>abilita forzatura esito OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable previous headlight test</source>
        <translation>abilita test faro precedente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>File parametri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Cpu LOW BEAM</source>
        <translation>Bit Cpu ANABB.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit / Lux LoW BEAM</source>
        <translation>Bit / Lux ANABB.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Cpu HIGH BEAM</source>
        <translation>Bit Cpu ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit / Lux HIGH BEAM</source>
        <translation>Bit / Lux ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photodiode offsets</source>
        <translation>Offset fotodiodi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort sending parameters</source>
        <translation>Annulla invio parametri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort Low Beam calibration</source>
        <translation>Annulla calibr. anabbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort High Beam calibration</source>
        <translation>Annulla calibr. abbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort photodiode calibration</source>
        <translation>Annulla calibrazione fotodiodo</translation>
    </message>
</context>
<context>
    <name>ControlFactory</name>
    <message>
        <location filename="../src/app/ControlFactory.cpp" line="+101"/>
        <source>Exit : ALT + F4</source>
        <translation>Esci : ALT + F4</translation>
    </message>
</context>
<context>
    <name>EditRules</name>
    <message>
        <location filename="../src/core/access/EditRules.cpp" line="+24"/>
        <source>is longer than the %1 characters the field takes</source>
        <translation>supera i %1 caratteri ammessi dal campo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>holds U+%1, a character the tester cannot store</source>
        <translation>contiene U+%1, un carattere che il centrafari non può memorizzare</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>digits only</source>
        <translation>solo cifre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not accepted (the field takes %2): the window would replace it by &quot;%3&quot;</source>
        <translation>&quot;%1&quot; non è accettato (il campo ammette %2): la finestra lo sostituirebbe con &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>FillListFromFile</name>
    <message>
        <location filename="../src/core/ops/FillListFromFile.cpp" line="+37"/>
        <source>Invalid property value: the parameter file %1 has no &quot;%2&quot; list lines. Replace the file with a complete one.</source>
        <translation>Valore di proprietà non valido: il file dei parametri %1 non ha righe di elenco &quot;%2&quot;. Sostituire il file con uno completo.</translation>
    </message>
</context>
<context>
    <name>FrmOrva</name>
    <message>
        <location filename="../src/app/FrmOrva.cpp" line="+50"/>
        <source>Setting Parameters ORVA  ver. </source>
        <translation>Impostazione Parametri ORVA  ver. </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Setting Parameter ...</source>
        <translation>Imposta parametri ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setting light calibration ...</source>
        <translation>Calibrazione luce ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Service history</source>
        <translation>Storico interventi</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The equipment calibrates its photodiodes by itself: no password starts it from this program.</source>
        <translation>L&apos;apparecchiatura calibra i fotodiodi da sola: nessuna password la avvia da questo programma.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Low beam calibration</source>
        <translation>Calibraz. anabbagliante</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High beam calibration</source>
        <translation>Calibrazione abbagliante</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photodiode calibration</source>
        <translation>Calibrazione fotodiodo</translation>
    </message>
    <message>
        <location line="+161"/>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>Read from tester %1 at %2</source>
        <translation>Lettura centrafari %1 alle %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sent at %1</source>
        <translation>Inviato alle %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: factor %2 written at %3</source>
        <translation>%1: fattore %2 scritto alle %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 started at %2</source>
        <translation>%1: avvio alle %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 aborted at %2</source>
        <translation>%1: annullamento alle %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not written</source>
        <translation>%1: non scritto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed at %2: no equipment answered</source>
        <translation>%1: errore alle %2, nessun centrafari risponde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 stopped at address %2h</source>
        <translation>%1: arresto all&apos;indirizzo %2h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped at %2</source>
        <translation>%1: arresto alle %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 not confirmed by the read-back at %2</source>
        <translation>%1 non confermato dalla rilettura alle %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 failed at %2: nothing written</source>
        <translation>%1: errore alle %2, nulla scritto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (history entry %1)</source>
        <translation> (voce storico %1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>ORVA settings</source>
        <translation>Impostazioni ORVA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Until then the program&apos;s own time limits are used.</source>
        <translation>Fino ad allora si usano i tempi limite del programma.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ORVA connection ...</source>
        <translation>Connessione ORVA ...</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Password not recognised: values can only be read</source>
        <translation>Password non riconosciuta: valori in sola lettura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Access: %1</source>
        <translation>Accesso: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Invalid property value: no serial port can be used. Plug in the tester&apos;s serial adapter and check that no other program holds it; on Linux, join the dialout group (sudo usermod -aG dialout $USER) and log in again. Then start the program again.</source>
        <translation>Valore di proprietà non valido: nessuna porta seriale utilizzabile. Collegare l&apos;adattatore seriale del centrafari e verificare che nessun altro programma lo occupi; su Linux, entrare nel gruppo dialout (sudo usermod -aG dialout $USER) e riaccedere. Poi riavviare il programma.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1<byte value="xd"/>
Choose another port in &quot;Port Com&quot;.</source>
        <translation>%1<byte value="xd"/>
Scegliere un&apos;altra porta in &quot;Porta Com&quot;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ORVA parameters ...</source>
        <translation>Parametri ORVA ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not sent to the equipment. Close anyway?</source>
        <translation>%1 da inviare al centrafari. Chiudere comunque?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 change is</source>
        <translation>1 modifica è</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 changes are</source>
        <translation>%1 modifiche sono</translation>
    </message>
    <message>
        <location filename="../src/app/FrmOrvaLayout.cpp" line="+42"/>
        <source>Calibration General Equipment Parameters</source>
        <translation>Calibrazione – parametri generali centrafari</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Versione Firmware</source>
        <translation>Versione Firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Firmware Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ORVA ver. NNNN</source>
        <translation>ORVA ver. NNNN</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>Scegli la Lingua</source>
        <translation>Scegli la Lingua</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>Unit of Light</source>
        <translation>Unità di luce</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Manufacter</source>
        <translation>Costruttore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type of Panel</source>
        <translation>Tipo pannello</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Protocol RS232</source>
        <translation>Protocollo RS232</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Homologation N.</source>
        <translation>N. omologazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MCTC-NET Version</source>
        <translation>Versione MCTC-NET</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Equipment Address</source>
        <translation>Indirizzo centrafari</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date of Expire</source>
        <translation>Data scadenza</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Type of Lamp</source>
        <translation>Tipo lampada</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Printing Options</source>
        <translation>Opzioni di stampa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Garage Name</source>
        <translation>Nome officina</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Garage address</source>
        <translation>Indir. officina</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send Parameters to Equipment !</source>
        <translation>Invia parametri al centrafari !</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+31"/>
        <location line="+30"/>
        <location line="+26"/>
        <source>Abort</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="-85"/>
        <source>Port Com</source>
        <translation>Porta Com</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seleziona COM</source>
        <translation>Seleziona COM</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Calibrate Photodiode Light at battery voltage of 13,8 V :</source>
        <translation>Calibra luce fotodiodo a tensione batteria di 13,8 V :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lux Calibrator LOW BEAM</source>
        <translation>Lux calibr. ANABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calibrate Low Beam</source>
        <translation>Calibra anabbagliante</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bit Cpu LOW BEAM</source>
        <translation>Bit Cpu ANABB.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bit / Lux LoW BEAM</source>
        <translation>Bit / Lux ANABB.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Lux Calibrator HIGH BEAM</source>
        <translation>Lux calibr. ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calibrate High Beam</source>
        <translation>Calibra abbagliante</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bit Cpu HIGH BEAM</source>
        <translation>Bit Cpu ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bit / Lux HIGH BEAM</source>
        <translation>Bit / Lux ABBAGLIANTE</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Calibrate Photodiode ...</source>
        <translation>Calibra fotodiodo ...</translation>
    </message>
</context>
<context>
    <name>FrmPassword</name>
    <message>
        <location filename="../src/app/FrmPassword.cpp" line="+14"/>
        <source>Enable Setting General Equipment Parameters</source>
        <translation>Abilita impostazione parametri generali centrafari</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter password :</source>
        <translation>Inserire password :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter password</source>
        <translation>Inserire password</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="-46"/>
        <source>%1 (see orva-cli history --help)</source>
        <translation>%1 (vedere orva-cli history --help)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>--show takes an entry number</source>
        <translation>--show richiede un numero di voce</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--kind takes read, send, calibration or restore</source>
        <translation>--kind richiede read, send, calibration o restore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--outcome takes one of: %1</source>
        <translation>--outcome richiede uno di: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--%1 takes a day as YYYY-MM-DD</source>
        <translation>--%1 richiede un giorno come YYYY-MM-DD</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--since is after --until</source>
        <translation>--since è dopo --until</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--limit takes a whole number from 1</source>
        <translation>--limit richiede un numero intero da 1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>cannot write the standard output: %1</source>
        <translation>impossibile scrivere sull&apos;output standard: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistorySyncCommand.cpp" line="-15"/>
        <source>%1<byte value="xd"/>
%2 entries wait on this computer for the server.</source>
        <translation>%1<byte value="xd"/>
%2 voci attendono il server su questo computer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry reached the server %1.</source>
        <translation>Non tutte le voci hanno raggiunto il server %1.</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <location filename="../src/core/history/HistoryEntry.cpp" line="+25"/>
        <source>low beam</source>
        <translation>anabbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>high beam</source>
        <translation>abbagliante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 lux, reading %3, factor %4 -&gt; %5%6</source>
        <translation>%1: %2 lux, lettura %3, fattore %4 -&gt; %5%6</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (not written)</source>
        <translation> (non scritto)</translation>
    </message>
</context>
<context>
    <name>HistoryLocation</name>
    <message>
        <location filename="../src/core/history/HistoryLocation.cpp" line="+37"/>
        <source>The history location is not one of the accepted forms: a file path, sqlite:FILE or postgresql://user@host:port/database.</source>
        <translation>La posizione dello storico non è in una delle forme accettate: un percorso di file, sqlite:FILE o postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The history URL carries a password: put it in the settings file (%1) or the PostgreSQL password file (~/.pgpass) instead.</source>
        <translation>L&apos;URL dello storico contiene una password: inserirla invece nel file di impostazioni (%1) o nel file delle password di PostgreSQL (~/.pgpass).</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The history location names no file.</source>
        <translation>La posizione dello storico non indica alcun file.</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <location filename="../src/app/HistoryPage.cpp" line="+23"/>
        <source>ORVA service history ...</source>
        <translation>Storico interventi ORVA ...</translation>
    </message>
    <message>
        <location filename="../src/app/HistoryWords.cpp" line="+7"/>
        <source>read</source>
        <translation>lettura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>send</source>
        <translation>invio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calibration</source>
        <translation>calibrazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore</source>
        <translation>ripristino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aborted</source>
        <translation>annullato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>declined</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>incomplete</source>
        <translation>incompleto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>imported</source>
        <translation>importato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>started</source>
        <translation>iniziato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify mismatch</source>
        <translation>verifica discordante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unverified</source>
        <translation>non verificato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <location filename="../src/app/HistoryPage.cpp" line="+11"/>
        <location line="+147"/>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>Testers...</source>
        <translation>Apparecchi...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Service history</source>
        <translation>Storico interventi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What changed</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Testers</source>
        <translation>Apparecchi</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>No service history: nothing is recorded, and no write is possible.</source>
        <translation>Nessuno storico interventi: nulla viene registrato e non è possibile scrivere.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tester %1 in %2</source>
        <translation>Centrafari %1 in %2</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The report could not be saved in %1: %2</source>
        <translation>Impossibile salvare il rapporto in %1: %2</translation>
    </message>
</context>
<context>
    <name>LineAddress</name>
    <message>
        <location filename="../src/core/link/LineAddress.cpp" line="+16"/>
        <source>%1 is not a port: name a serial device (/dev/ttyUSB0, COM1), tcp://HOST:PORT or rfc2217://HOST:PORT, with a port from 1 to 65535</source>
        <translation>%1 non è una porta: indicare un dispositivo seriale (/dev/ttyUSB0, COM1), tcp://HOST:PORT o rfc2217://HOST:PORT, con una porta da 1 a 65535</translation>
    </message>
</context>
<context>
    <name>LoadParameters</name>
    <message>
        <location filename="../src/core/ops/LoadParameters.cpp" line="+140"/>
        <source>Wait reading parameters from equipment ....</source>
        <translation>Attendere lettura parametri dall&apos;apparecchiatura ....</translation>
    </message>
</context>
<context>
    <name>LoadRead</name>
    <message>
        <location filename="../src/core/ops/LoadRead.cpp" line="+38"/>
        <source>Invalid procedure call or argument: the parameter file %1 has no usable definition of %2. Replace the file with a complete one.</source>
        <translation>Chiamata di procedura o argomento non validi: il file dei parametri %1 non contiene una definizione utilizzabile di %2. Sostituire il file con uno completo.</translation>
    </message>
</context>
<context>
    <name>LuxCalibration</name>
    <message>
        <location filename="../src/core/ops/LuxCalibration.cpp" line="+24"/>
        <source>Calibrating Lux ...</source>
        <translation>Calibrazione lux ...</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Are you sure to %1?</source>
        <translation>%1: confermare?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source><byte value="xd"/>
<byte value="xd"/>
Reading: %1<byte value="xd"/>
New factor: %2, replacing %3</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Lettura: %1<byte value="xd"/>
Nuovo fattore: %2, al posto di %3</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Wait sending parameters to Equipment ....</source>
        <translation>Attendere invio parametri all&apos;apparecchiatura ....</translation>
    </message>
</context>
<context>
    <name>OutcomeMessage</name>
    <message>
        <location filename="../src/core/ops/OutcomeMessage.cpp" line="+150"/>
        <source>Calibrate Low Beam</source>
        <translation>Calibrazione anabbagliante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calibrate High Beam</source>
        <translation>Calibrazione abbagliante</translation>
    </message>
    <message>
        <location line="-128"/>
        <source> at address %1h</source>
        <translation> all&apos;indirizzo %1h</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line to ORVA equipment lost step%1 (bytes came that no command was waiting for)</source>
        <translation>la linea verso l&apos;apparecchiatura ORVA ha perso la sincronia%1 (sono arrivati byte non attesi da alcun comando)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ORVA equipment refused the byte%1</source>
        <translation>l&apos;apparecchiatura ORVA ha rifiutato il byte%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial port was lost%1 (adapter unplugged?)</source>
        <translation>la porta seriale è stata persa%1 (adattatore scollegato?)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ORVA equipment did not acknowledge address %1h and stopped answering</source>
        <translation>l&apos;apparecchiatura ORVA non ha confermato l&apos;indirizzo %1h e ha smesso di rispondere</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ORVA equipment stopped answering</source>
        <translation>l&apos;apparecchiatura ORVA ha smesso di rispondere</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The equipment holds values this program does not offer:<byte value="xd"/>
%1<byte value="xd"/>
They are kept: a send writes them back as they are, unless you change them.</source>
        <translation>L&apos;apparecchiatura contiene valori che questo programma non offre:<byte value="xd"/>
%1<byte value="xd"/>
Vengono mantenuti: un invio li riscrive così come sono, a meno che non vengano modificati.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ORVA parameters ...</source>
        <translation>Parametri ORVA ...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The line to the equipment kept losing step (bytes came that no command was waiting for) for %1 s: check the cable and the port.</source>
        <translation>La linea verso l&apos;apparecchiatura ha perso più volte la sincronia (sono arrivati byte non attesi da alcun comando) per %1 s: controllare il cavo e la porta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No equipment answered within %1 s: check the cable, the port and the equipment&apos;s power supply.</source>
        <translation>Nessuna apparecchiatura ha risposto entro %1 s: controllare il cavo, la porta e l&apos;alimentazione dell&apos;apparecchiatura.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+149"/>
        <source>ORVA connection ...</source>
        <translation>Connessione ORVA ...</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Transmission Parameters FAILED because ORVA equipment is not connected or is power off !<byte value="xd"/>
Wait a new connection and SET new parameters AGAIN ....</source>
        <translation>Trasmissione parametri FALLITA perché l&apos;apparecchiatura ORVA non è collegata o è spenta !<byte value="xd"/>
Attendere una nuova connessione e IMPOSTARE DI NUOVO i parametri ....</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was sent: %1</source>
        <translation>Non è stato inviato nulla: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission Parameters INCOMPLETE: %1.<byte value="xd"/>
The equipment now holds only part of the new parameters: check the connection and the power supply, then SEND the parameters AGAIN.</source>
        <translation>Trasmissione parametri INCOMPLETA: %1.<byte value="xd"/>
L&apos;apparecchiatura contiene ora solo parte dei nuovi parametri: controllare il collegamento e l&apos;alimentazione, poi INVIARE DI NUOVO i parametri.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No conversion factor for %1: the reading %2 divided by the reference &quot;%3&quot; lux gives no factor from 0 to 32767. Enter the reference illuminance (1 to 9999 lux) and calibrate again; nothing was written.</source>
        <translation>Nessun fattore di conversione (%1): la lettura %2 divisa per il riferimento &quot;%3&quot; lux non dà un fattore da 0 a 32767. Inserire l&apos;illuminamento di riferimento (da 1 a 9999 lux) e calibrare di nuovo; non è stato scritto nulla.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 Nothing was written.</source>
        <translation>%1 Non è stato scritto nulla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The equipment sent no reading for %1: nothing was changed. Check the connection and try again.</source>
        <translation>L&apos;apparecchiatura non ha inviato alcuna lettura (%1): non è stato modificato nulla. Controllare il collegamento e riprovare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not possible: %2. Nothing was written; check the connection and calibrate again.</source>
        <translation>%1 impossibile: %2. Non è stato scritto nulla; controllare il collegamento e calibrare di nuovo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Calibrating Lux ...</source>
        <translation>Calibrazione lux ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not possible: ORVA equipment is not connected or is power off !<byte value="xd"/>
The parameters are read again from the equipment as soon as it answers; changes not yet sent are replaced.</source>
        <translation>%1 impossibile: l&apos;apparecchiatura ORVA non è collegata o è spenta !<byte value="xd"/>
I parametri vengono riletti dall&apos;apparecchiatura appena risponde; le modifiche non ancora inviate vengono sostituite.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was written: %1</source>
        <translation>Non è stato scritto nulla: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The factor may not be stored: %1. Check the connection and calibrate again.</source>
        <translation>Il fattore potrebbe non essere stato memorizzato: %1. Controllare il collegamento e calibrare di nuovo.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error not handled</source>
        <translation>Errore non gestito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error n°%1<byte value="xd"/>
Description : %2</source>
        <translation>Errore n°%1<byte value="xd"/>
Descrizione : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The tester acknowledged every byte, but did not answer in step while they were read back (address %1h): read it again to see what it holds.</source>
        <translation>Il centrafari ha confermato ogni byte, ma non ha risposto in sincronia durante la rilettura (indirizzo %1h): rileggerlo per vedere cosa contiene.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The line lost step while what was sent was read back: read the tester again to see what it holds.</source>
        <translation>La linea ha perso la sincronia durante la rilettura: rileggere il centrafari per vedere cosa contiene.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tester acknowledged every byte, but %1 byte(s) read back differ from what was sent: send again.</source>
        <translation>Il centrafari ha confermato ogni byte, ma %1 byte riletti differiscono da quanto inviato: inviare di nuovo.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The tester was written, but the end of its record (history entry %1) could not be saved: %2<byte value="xd"/>
The tester now holds: %3.</source>
        <translation>Il centrafari è stato scritto, ma la conclusione della sua registrazione (voce %1 dello storico) non è stata salvata: %2<byte value="xd"/>
Ora il centrafari contiene: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no change</source>
        <translation>nessuna modifica</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ORVA service history ...</source>
        <translation>Storico interventi ORVA ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: empty value, not sent (addr. h%2 )</source>
        <translation>%1: valore vuoto, non inviato (ind. h%2 )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1 of the parameter file has no usable value for %2: not sent (addr. h%3 )</source>
        <translation>La riga %1 del file parametri non ha un valore utilizzabile per %2: non inviato (ind. h%3 )</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These lines of the parameter file were not sent:<byte value="xd"/>
%1</source>
        <translation>Queste righe del file parametri non sono state inviate:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 at address %2h: sent %3, the tester holds %4</source>
        <translation>%1 all&apos;indirizzo %2h: inviato %3, il centrafari contiene %4</translation>
    </message>
</context>
<context>
    <name>ParameterDocument</name>
    <message>
        <location filename="../src/core/ops/ParameterDocument.cpp" line="+79"/>
        <source>must be a text</source>
        <translation>deve essere un testo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>must be {&quot;index&quot;: n}</source>
        <translation>deve essere {&quot;index&quot;: n}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be true or false</source>
        <translation>deve essere true o false</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be a number</source>
        <translation>deve essere un numero</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>index %1 names no entry: the list has %2, from 0 to %3</source>
        <translation>l&apos;indice %1 non indica alcuna voce: l&apos;elenco ne ha %2, da 0 a %3</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: the protocol &quot;%2&quot; fixes it to &quot;%3&quot;</source>
        <translation>%1: il protocollo &quot;%2&quot; lo fissa a &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the file is not a parameter document of format %1</source>
        <translation>il file non è un documento di parametri nel formato %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the document has no &quot;fields&quot; object</source>
        <translation>il documento non ha un oggetto &quot;fields&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: no such field</source>
        <translation>%1: campo inesistente</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1: is set by the lux calibration, not by a write</source>
        <translation>%1: è impostato dalla calibrazione lux, non da una scrittura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: this password may not calibrate</source>
        <translation>%1: questa password non può calibrare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a factor is 0 to 32767</source>
        <translation>%1: un fattore va da 0 a 32767</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: this password may not change it</source>
        <translation>%1: questa password non può modificarlo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: the tester sets them itself</source>
        <translation>%1: li imposta il centrafari stesso</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <location filename="../src/core/params/ParameterFile.cpp" line="+80"/>
        <source>%1 Put the parameter file back in the program&apos;s folder or reinstall the program.</source>
        <translation>%1 Rimettere il file dei parametri nella cartella del programma o reinstallare il programma.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <location filename="../src/cli/PasswordInput.cpp" line="+57"/>
        <source>Password: </source>
        <translation>Password: </translation>
    </message>
</context>
<context>
    <name>PendingRecords</name>
    <message>
        <location filename="../src/core/history/PendingRecords.cpp" line="+45"/>
        <source>The folder %1 cannot be made, so a write could not be followed to its end.</source>
        <translation>Impossibile creare la cartella %1: una scrittura non potrebbe essere seguita fino alla fine.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 cannot be written: a write could not be followed to its end.</source>
        <translation>impossibile scrivere %1: una scrittura non potrebbe essere seguita fino alla fine.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 cannot be written: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>PortCatalogue</name>
    <message>
        <location filename="../src/core/link/PortCatalogue.cpp" line="+40"/>
        <source>serial-to-network bridge</source>
        <translation>convertitore seriale-rete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>named on the command line</source>
        <translation>indicata sulla riga di comando</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>serial %1</source>
        <translation>seriale %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/core/base/RegularFile.cpp" line="+21"/>
        <source>File not found: %1 (%2).</source>
        <translation>File non trovato: %1 (%2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+8"/>
        <source>not an ordinary file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>File not found: %1 is longer than %2 bytes, too long to be the file expected here.</source>
        <translation>File non trovato: %1 supera i %2 byte, troppo lungo per essere il file atteso qui.</translation>
    </message>
</context>
<context>
    <name>SendParameters</name>
    <message>
        <location filename="../src/core/ops/SendParameters.cpp" line="+143"/>
        <source>Wait sending parameters to Equipment ....</source>
        <translation>Attendere invio parametri all&apos;apparecchiatura ....</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <location filename="../src/core/link/SerialLink.cpp" line="+28"/>
        <source>Invalid port number: the serial device %1 does not exist.</source>
        <translation>Numero di porta non valido: il dispositivo seriale %1 non esiste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port already open: %1 is in use by another program, or this user may not open it. Close the other program; on Linux, join the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Porta già aperta: %1 è in uso da parte di un altro programma, oppure questo utente non può aprirla. Chiudere l&apos;altro programma; su Linux, entrare nel gruppo dialout (sudo usermod -aG dialout $USER) e riaccedere.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Port already open: %1 is already open.</source>
        <translation>Porta già aperta: %1 è già aperta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device is not open: %1 could not be opened (%2).</source>
        <translation>Dispositivo non aperto: impossibile aprire %1 (%2).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Invalid port number: no serial device has this number.</source>
        <translation>Numero di porta non valido: nessun dispositivo seriale ha questo numero.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>no connection within %1 s: check the address, the network and that the bridge is switched on</source>
        <translation>nessuna connessione entro %1 s: controllare l&apos;indirizzo, la rete e che il convertitore sia acceso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the connection was refused: check that the bridge runs and serves this port, and that no other program holds it</source>
        <translation>la connessione è stata rifiutata: controllare che il convertitore sia in funzione e serva questa porta, e che nessun altro programma la occupi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the host %1 is not known: check the address</source>
        <translation>l&apos;host %1 è sconosciuto: controllare l&apos;indirizzo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: check the address, the network and the bridge</source>
        <translation>%1: controllare l&apos;indirizzo, la rete e il convertitore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device is not open: %1 cannot be reached, %2.</source>
        <translation>Dispositivo non aperto: %1 non è raggiungibile, %2.</translation>
    </message>
</context>
<context>
    <name>SerialTrace</name>
    <message>
        <location filename="../src/core/link/SerialTrace.cpp" line="+34"/>
        <source>cannot write the trace file %1: %2</source>
        <translation>impossibile scrivere il file di traccia %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the trace file %1 could not be written: %2</source>
        <translation>non è stato possibile scrivere il file di traccia %1: %2</translation>
    </message>
</context>
<context>
    <name>ServiceHistory</name>
    <message>
        <location filename="../src/core/history/ServiceHistory.cpp" line="+158"/>
        <source>The service history %1 %2: %3</source>
        <translation>Lo storico interventi %1 %2: %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+29"/>
        <source>cannot be opened</source>
        <translation>non può essere aperto</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>the Windows build keeps its history in a file: give --history a file path, or use a server history from Linux</source>
        <translation>la versione per Windows tiene lo storico in un file: indicare con --history il percorso di un file, oppure usare uno storico su server da Linux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Qt&apos;s %1 driver is not installed (Debian package %2)</source>
        <translation>il driver %1 di Qt non è installato (pacchetto Debian %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+16"/>
        <source>does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>nothing has been recorded there; check the history&apos;s location</source>
        <translation>lì non è stato registrato nulla; controllare la posizione dello storico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be created</source>
        <translation>non può essere creato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the database holds no service history</source>
        <translation>il database non contiene alcuno storico interventi</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+6"/>
        <location line="+40"/>
        <location line="+406"/>
        <location line="+8"/>
        <location line="+9"/>
        <location line="+13"/>
        <location line="+13"/>
        <location filename="../src/core/history/ServiceHistoryServer.cpp" line="+95"/>
        <location line="+52"/>
        <location line="+27"/>
        <source>cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <location line="-446"/>
        <source>cannot be used</source>
        <translation>non può essere usato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was written by a newer version of OrvaPS (schema %1)</source>
        <translation>è stato scritto da una versione più recente di OrvaPS (schema %1)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+28"/>
        <location line="+46"/>
        <location line="+11"/>
        <location line="+8"/>
        <location line="+17"/>
        <location line="+14"/>
        <location line="+5"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+30"/>
        <location line="+14"/>
        <location line="+6"/>
        <location line="+92"/>
        <location line="+14"/>
        <location line="+9"/>
        <location line="+3"/>
        <location line="+137"/>
        <location line="+33"/>
        <location line="+7"/>
        <location line="+9"/>
        <location filename="../src/core/history/ServiceHistoryServer.cpp" line="-39"/>
        <source>cannot be written</source>
        <translation>non può essere scritto</translation>
    </message>
    <message>
        <location line="-494"/>
        <location line="+6"/>
        <source>cannot be brought to schema %1</source>
        <translation>non può essere portato allo schema %1</translation>
    </message>
    <message>
        <location line="+239"/>
        <source>%1<byte value="xd"/>
It could not be kept on this computer either: %2</source>
        <translation>%1<byte value="xd"/>
Non è stato possibile conservarla nemmeno su questo computer: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1<byte value="xd"/>
Its end is kept on this computer and given to the history when it can take it again.</source>
        <translation>%1<byte value="xd"/>
La sua conclusione è conservata su questo computer e passata allo storico appena può riceverla.</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>The service history has no entry %1.</source>
        <translation>Lo storico interventi non ha la voce %1.</translation>
    </message>
    <message>
        <location filename="../src/core/history/ServiceHistoryServer.cpp" line="-52"/>
        <source>The server history was tried less than a minute ago.</source>
        <translation>Lo storico su server è stato provato meno di un minuto fa.</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <location filename="../src/report/ServiceReport.cpp" line="+71"/>
        <source>&lt;tr&gt;&lt;td&gt;%1 beam&lt;/td&gt;&lt;td&gt;%2 lux&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;td&gt;%4 &amp;rarr; %5&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Fascio %1&lt;/td&gt;&lt;td&gt;%2 lux&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;td&gt;%4 &amp;rarr; %5&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>anabbagliante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>abbagliante</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>written</source>
        <translation>scritto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NOT written: the tester reads back otherwise</source>
        <translation>NON scritto: il centrafari rilegge altro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not confirmed by a read-back</source>
        <translation>non confermato da una rilettura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stopped part way</source>
        <translation>interrotto a metà</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aborted part way</source>
        <translation>annullato a metà</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>interrupted</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>what the tester holds is not known: read it</source>
        <translation>non si sa cosa contenga il centrafari: leggerlo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no parameter changed</source>
        <translation>nessun parametro modificato</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&lt;h2&gt;ORVA headlight tester: service report&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Date:&lt;/b&gt; %1&lt;/p&gt;&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tester&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%2, serial number %3&lt;br&gt;firmware %4, parameter file %5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Workshop&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Parameters changed&lt;/h3&gt;%7&lt;h3&gt;Calibrations&lt;/h3&gt;%8&lt;p&gt;&lt;b&gt;Expiry date:&lt;/b&gt; %9&lt;/p&gt;&lt;p&gt;&lt;b&gt;Access level:&lt;/b&gt; %10&lt;/p&gt;&lt;p&gt;&lt;br&gt;&lt;br&gt;Name: ______________________________ &amp;nbsp; Signature: ______________________________&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Centrafari ORVA: rapporto di assistenza&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Data:&lt;/b&gt; %1&lt;/p&gt;&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Centrafari&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%2, numero di serie %3&lt;br&gt;firmware %4, file parametri %5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Officina&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Parametri modificati&lt;/h3&gt;%7&lt;h3&gt;Calibrazioni&lt;/h3&gt;%8&lt;p&gt;&lt;b&gt;Data di scadenza:&lt;/b&gt; %9&lt;/p&gt;&lt;p&gt;&lt;b&gt;Livello di accesso:&lt;/b&gt; %10&lt;/p&gt;&lt;p&gt;&lt;br&gt;&lt;br&gt;Nome: ______________________________ &amp;nbsp; Firma: ______________________________&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Time&lt;/th&gt;&lt;th&gt;Parameter: old &amp;rarr; new&lt;/th&gt;&lt;th&gt;Outcome&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</source>
        <translation>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Ora&lt;/th&gt;&lt;th&gt;Parametro: vecchio &amp;rarr; nuovo&lt;/th&gt;&lt;th&gt;Esito&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Beam&lt;/th&gt;&lt;th&gt;Reference&lt;/th&gt;&lt;th&gt;Reading&lt;/th&gt;&lt;th&gt;Factor old &amp;rarr; new&lt;/th&gt;&lt;th&gt;&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</source>
        <translation>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Fascio&lt;/th&gt;&lt;th&gt;Riferimento&lt;/th&gt;&lt;th&gt;Lettura&lt;/th&gt;&lt;th&gt;Fattore vecchio &amp;rarr; nuovo&lt;/th&gt;&lt;th&gt;&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The service history has no entry for this report.</source>
        <translation>Lo storico interventi non ha alcuna voce per questo rapporto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No font is installed to print the report with: install the system&apos;s standard fonts.</source>
        <translation>Non è installato alcun carattere con cui stampare il rapporto: installare i caratteri standard del sistema.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Service report %1</source>
        <translation>Rapporto di assistenza %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/core/base/SettingsFile.cpp" line="+34"/>
        <source>The settings file %1 gives [limits] %2=%3: write a number of milliseconds from %4 to %5, or remove the line.</source>
        <translation>Il file delle impostazioni %1 indica [limits] %2=%3: scrivere un numero di millisecondi da %4 a %5, oppure togliere la riga.</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <location filename="../src/app/StatusArea.cpp" line="+26"/>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transfer progress</source>
        <translation>Trasferimento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time left</source>
        <translation>Rimanente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last operation</source>
        <translation>Ultima operazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes not sent</source>
        <translation>Modifiche in attesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access level</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service history entries not yet on the server</source>
        <translation>Voci dello storico non ancora sul server</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 change not sent</source>
        <translation>1 modifica in attesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 changes not sent</source>
        <translation>%1 modifiche in attesa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 entry not yet on the server</source>
        <translation>1 voce non ancora sul server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries not yet on the server</source>
        <translation>%1 voci non ancora sul server</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>about %1 s left</source>
        <translation>ancora circa %1 s</translation>
    </message>
</context>
<context>
    <name>TerminalForm</name>
    <message>
        <location filename="../src/cli/TerminalForm.cpp" line="+24"/>
        <source><byte value="xd"/>%1 of %2 bytes (%3 %)</source>
        <translation><byte value="xd"/>%1 di %2 byte (%3 %)</translation>
    </message>
</context>
<context>
    <name>Tester</name>
    <message>
        <location filename="../src/core/ops/Tester.cpp" line="+49"/>
        <source>Wait connection to Equipment ! Reset with power supply ...</source>
        <translation>Attendere connessione all&apos;apparecchiatura ! Reset tramite l&apos;alimentazione ...</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Wait reading parameters from equipment .... (addr. h%1 )</source>
        <translation>Attendere lettura parametri dall&apos;apparecchiatura .... (ind. h%1 )</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Wait sending parameters to Equipment .... (addr. h%1 )</source>
        <translation>Attendere invio parametri all&apos;apparecchiatura .... (ind. h%1 )</translation>
    </message>
</context>
<context>
    <name>TesterSession</name>
    <message>
        <location filename="../src/core/ops/TesterSession.cpp" line="+138"/>
        <source>Invalid port number: no serial device has this number.</source>
        <translation>Numero di porta non valido: nessun dispositivo seriale ha questo numero.</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Reading back what was sent .... (addr. h%1 )</source>
        <translation>Rilettura di quanto inviato .... (ind. h%1 )</translation>
    </message>
</context>
<context>
    <name>TestersCommand</name>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="+10"/>
        <source>%1 (see orva-cli testers --help)</source>
        <translation>%1 (vedere orva-cli testers --help)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json and --csv exclude each other</source>
        <translation>--json e --csv si escludono a vicenda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--due-within takes a whole number of days from 0 to %1</source>
        <translation>--due-within richiede un numero intero di giorni da 0 a %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>cannot write the standard output: %1</source>
        <translation>impossibile scrivere sull&apos;output standard: %1</translation>
    </message>
</context>
<context>
    <name>TestersDialog</name>
    <message>
        <location filename="../src/app/TestersDialog.cpp" line="+57"/>
        <source>Show entries</source>
        <translation>Mostra voci</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <source>Testers</source>
        <translation>Apparecchi</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expiry date</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Days left</source>
        <translation>Giorni rimasti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage</source>
        <translation>Officina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Town</source>
        <translation>Località</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last visit</source>
        <translation>Ultima visita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access level</source>
        <translation>Livello di accesso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low beam factor</source>
        <translation>Fattore anabbagliante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High beam factor</source>
        <translation>Fattore abbagliante</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Show the tester&apos;s entries</source>
        <translation>Mostra le voci dell&apos;apparecchio</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The tester holds no valid expiry date: %1</source>
        <translation>L&apos;apparecchio non contiene una scadenza valida: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Overdue by %n day(s)</source>
        <translation>
            <numerusform>Scaduto da %n giorno</numerusform>
            <numerusform>Scaduto da %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Due in %n day(s)</source>
        <translation>
            <numerusform>Scade tra %n giorno</numerusform>
            <numerusform>Scade tra %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowForm</name>
    <message>
        <location filename="../src/app/WindowForm.cpp" line="+152"/>
        <source>Changed: not sent to the equipment yet</source>
        <translation>Modificato: non ancora inviato al centrafari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not changeable with this password</source>
        <translation>Non modificabile con questa password</translation>
    </message>
</context>
</TS>
