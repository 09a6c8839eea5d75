<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessLevel</name>
    <message>
        <location filename="../src/core/access/Passwords.cpp" line="+37"/>
        <source>  (PW = Administrator)</source>
        <translation>  (PW = Administrator)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (PW = rivenditore)</source>
        <translation>  (PW = Händler)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (PW = tecnico)</source>
        <translation>  (PW = Techniker)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (PW = sconosciuta)</source>
        <translation>  (PW = unbekannt)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dealer</source>
        <translation>Händler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>AppMain</name>
    <message>
        <location filename="../src/app/main.cpp" line="+23"/>
        <source>Offer DEVICE as a serial port, before the system&apos;s ports (repeatable); tcp://HOST:PORT or rfc2217://HOST:PORT names a serial-to-network bridge.</source>
        <translation>DEVICE als serielle Schnittstelle vor denen des Systems anbieten (wiederholbar); tcp://HOST:PORT oder rfc2217://HOST:PORT nennt einen Seriell-Netzwerk-Umsetzer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start a simulated tester and list it first.</source>
        <translation>Startet ein simuliertes Prüfgerät und listet es als erstes auf.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The service history: a file, sqlite:FILE or postgresql://user@host:port/database (default: the settings file&apos;s, else the user&apos;s own).</source>
        <translation>Die Servicehistorie: eine Datei, sqlite:FILE oder postgresql://user@host:port/database (Standard: die der Einstellungsdatei, sonst die eigene des Benutzers).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a timestamped hex trace of the serial line to FILE, for a problem report.</source>
        <translation>Schreibt eine Hex-Aufzeichnung der seriellen Leitung mit Zeitstempeln nach FILE, für eine Fehlermeldung.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Service and set-up tool of the ORVA headlight tester.</source>
        <translation>Service- und Einrichtungsprogramm für den ORVA-Scheinwerfertester.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>ORVA demo</source>
        <translation>ORVA-Demo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The simulated tester could not start: %1</source>
        <translation>Das simulierte Prüfgerät konnte nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../src/core/params/Catalogue.cpp" line="+77"/>
        <source>LEFT-HAND DRIVE</source>
        <translation>LINKSLENKER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT-HAND DRIVE</source>
        <translation>RECHTSLENKER</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <location filename="../src/cli/OutputFile.cpp" line="+49"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <location filename="../src/cli/CliSession.cpp" line="+57"/>
        <source>no tester answered on %1: check the cable, the port and the tester&apos;s power supply</source>
        <translation>kein Prüfgerät hat an %1 geantwortet: prüfen Sie das Kabel, den Port und die Stromversorgung des Prüfgeräts</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1</source>
        <translation>Prüfung: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>recorded as history entry %1</source>
        <translation>als Historieneintrag %1 aufgezeichnet</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="+67"/>
        <source>the service history has no entry of the tester %1 on %2</source>
        <translation>die Servicehistorie hat keinen Eintrag des Prüfgeräts %1 am %2</translation>
    </message>
    <message>
        <location filename="../src/cli/CliSession.cpp" line="+3"/>
        <source>recorded on this computer, not yet on the server %1, which could not be reached; orva-cli history sync sends it when it can be.</source>
        <translation>auf diesem Computer erfasst, noch nicht auf dem Server %1, der nicht erreichbar war; orva-cli history sync sendet es, sobald es geht.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>warning: this read is not recorded: %1</source>
        <translation>Warnung: dieser Lesevorgang wird nicht aufgezeichnet: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 Nothing was written. On a machine with no writable home, --no-history writes without a record.</source>
        <translation>%1 Es wurde nichts geschrieben. Auf einem Rechner ohne beschreibbares Home-Verzeichnis schreibt --no-history ohne Aufzeichnung.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>no tester answered on %1 within %2 s: check the cable, the port and the tester&apos;s power supply</source>
        <translation>kein Prüfgerät hat an %1 innerhalb von %2 s geantwortet: prüfen Sie das Kabel, den Port und die Stromversorgung des Prüfgeräts</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>note: </source>
        <translation>Hinweis: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+52"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a parameter document: %2</source>
        <translation>%1 ist kein Parameterdokument: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+28"/>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+2"/>
        <source>this password may not change any parameter</source>
        <translation>mit diesem Passwort kann kein Parameter geändert werden</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+11"/>
        <source>%1 holds the serial number %2, not %3 of the tester on %4: nothing was written (--other-tester writes it anyway, also to change the serial number)</source>
        <translation>%1 enthält die Seriennummer %2, nicht %3 des Geräts an %4: nichts wurde geschrieben (--other-tester schreibt es trotzdem, auch um die Seriennummer zu ändern)</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+3"/>
        <source>restore needs the service history</source>
        <translation>restore benötigt die Servicehistorie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>entry %1 is a %2 and holds no state before it: restore an entry of a send, a calibration or a restore</source>
        <translation>Eintrag %1 ist vom Typ %2 und enthält keinen vorherigen Zustand: stellen Sie einen Eintrag eines Sendens, einer Kalibrierung oder einer Wiederherstellung wieder her</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>entry %1 is of the tester %2, not of %3 on %4: nothing was written (--other-tester restores it anyway)</source>
        <translation>Eintrag %1 gehört zum Prüfgerät %2, nicht zu %3 an %4: es wurde nichts geschrieben (--other-tester stellt ihn trotzdem wieder her)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="+39"/>
        <source>this password may not calibrate</source>
        <translation>mit diesem Passwort ist keine Kalibrierung möglich</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../src/cli/commands/ReadCommand.cpp" line="+15"/>
        <source>Write the document to FILE (default: standard output).</source>
        <translation>Schreibt das Dokument nach FILE (Standard: Standardausgabe).</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="-40"/>
        <source>The document to write.</source>
        <translation>Das zu schreibende Dokument.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="+33"/>
        <source>Do not read back what was written.</source>
        <translation>Liest das Geschriebene nicht zurück.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="-12"/>
        <source>low or high.</source>
        <translation>low oder high.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The reference illuminance, 1 to 9999.</source>
        <translation>Die Referenz-Beleuchtungsstärke, 1 bis 9999.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write the factor.</source>
        <translation>Schreibt den Faktor.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-16"/>
        <source>Wait at most S seconds for the tester (default %1).</source>
        <translation>Wartet höchstens S Sekunden auf das Prüfgerät (Standard %1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write a timestamped hex trace of the line to FILE.</source>
        <translation>Schreibt eine Hex-Aufzeichnung der Leitung mit Zeitstempeln nach FILE.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The service history: a file, sqlite:FILE or postgresql://user@host:port/database.</source>
        <translation>Die Servicehistorie: eine Datei, sqlite:FILE oder postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Record nothing (a machine without a writable home).</source>
        <translation>Zeichnet nichts auf (Rechner ohne beschreibbares Home).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Only the entries of the tester with this serial number.</source>
        <translation>Nur die Einträge des Prüfgeräts mit dieser Seriennummer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print JSON.</source>
        <translation>Gibt JSON aus.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="+47"/>
        <source>Print an entry&apos;s documents.</source>
        <translation>Gibt die Dokumente eines Eintrags aus.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="-41"/>
        <source>The day of the visit (default: today).</source>
        <translation>Der Tag des Serviceeinsatzes (Standard: heute).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One entry instead of a day&apos;s.</source>
        <translation>Ein Eintrag statt der eines Tages.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The PDF file to write.</source>
        <translation>Die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-8"/>
        <source>Write what was read from another tester.</source>
        <translation>Schreibt, was von einem anderen Gerät gelesen wurde.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="+158"/>
        <source>List the testers the history knows, soonest expiry date first.</source>
        <translation>Listet die Prüfgeräte der Historie auf, das nächste Ablaufdatum zuerst.</translation>
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
&apos;orva-cli COMMAND --help&apos; beschreibt die Optionen eines Befehls. Das Passwort von write,
calibrate und restore wird am Terminal abgefragt oder aus der ersten Zeile der
Standardeingabe gelesen.

Exit-Status: 0 erledigt, 2 Aufruf, 3 kein Gerät, 4 Port nicht zu öffnen, 5 Zugriff verweigert,
6 Prüfung abweichend, 7 ungültige Eingabe, 8 Gerät oder Parameterdatei fehlgeschlagen,
9 die Servicehistorie kann nicht geschrieben werden (nichts wurde auf das Gerät geschrieben),
10 eine Ausgabedatei kann nicht geschrieben werden, 11 das Gerät wurde beschrieben, aber sein
Eintrag konnte nicht abgeschlossen werden (er liegt auf diesem Computer), 130 und 143
unterbrochen durch SIGINT oder SIGTERM.
</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="+62"/>
        <source>--timeout takes a whole number of seconds from 1 to %1</source>
        <translation>--timeout erwartet eine ganze Zahl von Sekunden von 1 bis %1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>interrupted by %1: the write stopped between two bytes; the history records what the tester acknowledged</source>
        <translation>unterbrochen durch %1: das Schreiben hielt zwischen zwei Bytes an; die Historie verzeichnet, was das Gerät bestätigt hat</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/PortsCommand.cpp" line="+27"/>
        <source>List the serial ports the window would offer.</source>
        <translation>Listet die seriellen Ports auf, die das Fenster anbieten würde.</translation>
    </message>
    <message>
        <location filename="../src/cli/SharedOptions.cpp" line="-26"/>
        <source>The tester&apos;s serial device, or a serial-to-network bridge: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT (telnet).</source>
        <translation>Die serielle Schnittstelle des Prüfgeräts oder ein Seriell-Netzwerk-Umsetzer: tcp://HOST:PORT (roh) oder rfc2217://HOST:PORT (Telnet).</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReadCommand.cpp" line="+22"/>
        <source>Read every parameter into a JSON document.</source>
        <translation>Liest alle Parameter in ein JSON-Dokument.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="+68"/>
        <source>Write a document&apos;s changes, then read them back.</source>
        <translation>Schreibt die Änderungen eines Dokuments und liest sie zurück.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="+52"/>
        <source>Measure a beam&apos;s factor; --yes writes it.</source>
        <translation>Misst den Faktor eines Lichts; --yes schreibt ihn.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="+25"/>
        <source>Put the tester back to a history entry&apos;s state before it.</source>
        <translation>Setzt das Prüfgerät auf den Zustand vor einem Historieneintrag zurück.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="+102"/>
        <source>List the service history, or print one entry.</source>
        <translation>Listet die Servicehistorie auf oder gibt einen Eintrag aus.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="+67"/>
        <source>Print a visit&apos;s service report: a tester&apos;s entries of one day, or --entry ENTRY.</source>
        <translation>Gibt den Servicebericht aus: Einträge eines Prüfgeräts an einem Tag, oder --entry ENTRY.</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandTable.cpp" line="-7"/>
        <source>Usage: orva-cli COMMAND [OPTIONS]
Reads and writes an ORVA headlight tester from scripts.

Commands:
</source>
        <translation>Aufruf: orva-cli COMMAND [OPTIONS]
Liest und schreibt einen ORVA-Scheinwerfertester aus Skripten.

Befehle:
</translation>
    </message>
    <message>
        <location filename="../src/cli/CliCall.cpp" line="+20"/>
        <location filename="../src/cli/main.cpp" line="+79"/>
        <source>%1 (see orva-cli %2--help)</source>
        <translation>%1 (siehe orva-cli %2--help)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="+2"/>
        <source>name a command before the options</source>
        <translation>nennen Sie einen Befehl vor den Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This help.</source>
        <translation>Diese Hilfe.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: orva-cli %1</source>
        <translation>Aufruf: orva-cli %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 takes no argument %2</source>
        <translation>%1 akzeptiert kein Argument %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 needs %2</source>
        <translation>%1 benötigt %2</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/ReportCommand.cpp" line="-16"/>
        <source>--entry takes an entry number</source>
        <translation>--entry erwartet eine Eintragsnummer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--date takes a day as YYYY-MM-DD</source>
        <translation>--date erwartet einen Tag als YYYY-MM-DD</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--serial SN or --entry ENTRY is needed</source>
        <translation>--serial SN oder --entry ENTRY ist erforderlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--out FILE.pdf is needed</source>
        <translation>--out FILE.pdf ist erforderlich</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="+13"/>
        <source>--port DEVICE is needed</source>
        <translation>--port DEVICE ist erforderlich</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/WriteCommand.cpp" line="-14"/>
        <source>--in FILE is needed</source>
        <translation>--in FILE ist erforderlich</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--trace names the file --in reads</source>
        <translation>--trace nennt die Datei, die --in liest</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/CalibrateCommand.cpp" line="-18"/>
        <source>--beam takes low or high</source>
        <translation>--beam erwartet low oder high</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--lux takes a whole number from 1 to 9999</source>
        <translation>--lux erwartet eine ganze Zahl von 1 bis 9999</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/RestoreCommand.cpp" line="-12"/>
        <source>ENTRY is an entry number of orva-cli history</source>
        <translation>ENTRY ist eine Eintragsnummer aus orva-cli history</translation>
    </message>
    <message>
        <location filename="../src/cli/TesterPrologue.cpp" line="-24"/>
        <source>the password line is longer than %1 characters: nothing was done</source>
        <translation>die Passwortzeile ist länger als %1 Zeichen: es wurde nichts getan</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="-94"/>
        <source>Only entries of this kind: read, send, calibration, restore.</source>
        <translation>Nur Einträge dieser Art: read, send, calibration, restore.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Only entries with this outcome, such as done or failed.</source>
        <translation>Nur Einträge mit diesem Ergebnis, etwa done oder failed.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only entries of this day or later.</source>
        <translation>Nur Einträge dieses Tages oder später.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only entries of this day or earlier.</source>
        <translation>Nur Einträge dieses Tages oder früher.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>At most N entries, the newest.</source>
        <translation>Höchstens N Einträge, die neuesten.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="-61"/>
        <source>Only testers whose expiry date is at most DAYS days away, or past, or cannot be read.</source>
        <translation>Nur Prüfgeräte, deren Ablaufdatum höchstens DAYS Tage entfernt, überschritten oder unlesbar ist.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print CSV with a header, for a spreadsheet.</source>
        <translation>Gibt CSV mit Kopfzeile aus, für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistorySyncCommand.cpp" line="+55"/>
        <source>Give a server history the entries this computer keeps for it while the server cannot be reached.</source>
        <translation>Einem Server-Verlauf die Einträge übergeben, die dieser Computer dafür aufbewahrt, solange der Server nicht erreichbar ist.</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <location filename="../src/core/base/Control.cpp" line="+21"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language key</source>
        <translation>Sprachcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manufacter</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homologation N.</source>
        <translation>Zulassungs-Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire DD</source>
        <translation>Ablaufdatum TT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire MM</source>
        <translation>Ablaufdatum MM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Expire YYYY</source>
        <translation>Ablaufdatum JJJJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit of Light</source>
        <translation>Lichteinheit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type of Panel</source>
        <translation>Paneltyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Protocol RS232</source>
        <translation>Protokoll RS232</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MCTC-NET Version</source>
        <translation>MCTC-NET-Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equipment Address</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage Name</source>
        <translation>Werkstattname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 1</source>
        <translation>Werkstattadresse 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 2</source>
        <translation>Werkstattadresse 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 3</source>
        <translation>Werkstattadresse 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage address 4</source>
        <translation>Werkstattadresse 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print HEIGHT BEAM and INCLINATION</source>
        <translation>LICHTHÖHE und NEIGUNG drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send Parameters to Equipment</source>
        <translation>Parameter an Gerät senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port Com</source>
        <translation>Com-Port</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type of Lamp</source>
        <translation>Lampentyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lux Calibrator LOW BEAM</source>
        <translation>Lux-Kalibr. ABBLENDLICHT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate Low Beam</source>
        <translation>Kalibr. Abblendlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lux Calibrator HIGH BEAM</source>
        <translation>Lux-Kalibr. FERNLICHT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate High Beam</source>
        <translation>Kalibr. Fernlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibrate Photodiode</source>
        <translation>Fotodiode kalibrieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable FOG test request</source>
        <translation>NEBEL-Testanfrage erlauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable good test forcing</source>
        <translation>Erzwungenes Test-OK erlauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>enable previous headlight test</source>
        <translation>Vorherigen Test erlauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>Parameterdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date and time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Cpu LOW BEAM</source>
        <translation>Bit Cpu ABBLENDL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit / Lux LoW BEAM</source>
        <translation>Bit / Lux ABBLENDL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit Cpu HIGH BEAM</source>
        <translation>Bit Cpu FERNLICHT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit / Lux HIGH BEAM</source>
        <translation>Bit / Lux FERNLICHT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photodiode offsets</source>
        <translation>Fotodioden-Offsets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort sending parameters</source>
        <translation>Parameterversand abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort Low Beam calibration</source>
        <translation>Kalibr. Abblendlicht abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort High Beam calibration</source>
        <translation>Kalibr. Fernlicht abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort photodiode calibration</source>
        <translation>Fotodiodenkalibrierung abbrechen</translation>
    </message>
</context>
<context>
    <name>ControlFactory</name>
    <message>
        <location filename="../src/app/ControlFactory.cpp" line="+101"/>
        <source>Exit : ALT + F4</source>
        <translation>Beenden : ALT + F4</translation>
    </message>
</context>
<context>
    <name>EditRules</name>
    <message>
        <location filename="../src/core/access/EditRules.cpp" line="+24"/>
        <source>is longer than the %1 characters the field takes</source>
        <translation>ist länger als die %1 Zeichen, die das Feld aufnimmt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>holds U+%1, a character the tester cannot store</source>
        <translation>enthält U+%1, ein Zeichen, das das Prüfgerät nicht speichern kann</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>digits only</source>
        <translation>nur Ziffern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not accepted (the field takes %2): the window would replace it by &quot;%3&quot;</source>
        <translation>&quot;%1&quot; wird nicht akzeptiert (das Feld erlaubt %2): das Fenster würde es durch &quot;%3&quot; ersetzen</translation>
    </message>
</context>
<context>
    <name>FillListFromFile</name>
    <message>
        <location filename="../src/core/ops/FillListFromFile.cpp" line="+37"/>
        <source>Invalid property value: the parameter file %1 has no &quot;%2&quot; list lines. Replace the file with a complete one.</source>
        <translation>Ungültiger Eigenschaftswert: Die Parameterdatei %1 hat keine Listenzeilen &quot;%2&quot;. Ersetzen Sie die Datei durch eine vollständige.</translation>
    </message>
</context>
<context>
    <name>FrmOrva</name>
    <message>
        <location filename="../src/app/FrmOrva.cpp" line="+50"/>
        <source>Setting Parameters ORVA  ver. </source>
        <translation>Parametereinstellung ORVA  ver. </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Setting Parameter ...</source>
        <translation>Parametereinstellung ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setting light calibration ...</source>
        <translation>Lichtkalibrierung ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Service history</source>
        <translation>Servicehistorie</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The equipment calibrates its photodiodes by itself: no password starts it from this program.</source>
        <translation>Das Gerät kalibriert seine Fotodioden selbst: kein Passwort startet dies aus diesem Programm.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Low beam calibration</source>
        <translation>Kalibr. Abblendlicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High beam calibration</source>
        <translation>Kalibrierung Fernlicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photodiode calibration</source>
        <translation>Fotodiodenkalibrierung</translation>
    </message>
    <message>
        <location line="+161"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>Read from tester %1 at %2</source>
        <translation>Von Gerät %1 gelesen um %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sent at %1</source>
        <translation>Gesendet um %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: factor %2 written at %3</source>
        <translation>%1: Faktor %2 geschrieben um %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 started at %2</source>
        <translation>%1 gestartet um %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 aborted at %2</source>
        <translation>%1 abgebrochen um %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not written</source>
        <translation>%1: nicht geschrieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed at %2: no equipment answered</source>
        <translation>%1: Fehler um %2, kein Gerät antwortet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 stopped at address %2h</source>
        <translation>%1 angehalten bei Adresse %2h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped at %2</source>
        <translation>%1 angehalten um %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 not confirmed by the read-back at %2</source>
        <translation>%1 beim Zurücklesen um %2 nicht bestätigt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 failed at %2: nothing written</source>
        <translation>%1: Fehler um %2, nichts geschrieben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (history entry %1)</source>
        <translation> (Historieneintrag %1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>ORVA settings</source>
        <translation>ORVA-Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Until then the program&apos;s own time limits are used.</source>
        <translation>Bis dahin gelten die Zeitgrenzen des Programms.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ORVA connection ...</source>
        <translation>ORVA-Verbindung ...</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Password not recognised: values can only be read</source>
        <translation>Passwort nicht erkannt: Werte nur lesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Access: %1</source>
        <translation>Zugriff: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Invalid property value: no serial port can be used. Plug in the tester&apos;s serial adapter and check that no other program holds it; on Linux, join the dialout group (sudo usermod -aG dialout $USER) and log in again. Then start the program again.</source>
        <translation>Ungültiger Eigenschaftswert: kein serieller Port nutzbar. Stecken Sie den Adapter des Prüfgeräts ein und prüfen Sie, dass ihn kein anderes Programm belegt; unter Linux der Gruppe dialout beitreten (sudo usermod -aG dialout $USER) und neu anmelden. Dann das Programm neu starten.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1<byte value="xd"/>
Choose another port in &quot;Port Com&quot;.</source>
        <translation>%1<byte value="xd"/>
Wählen Sie einen anderen Port unter &quot;Com-Port&quot;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ORVA parameters ...</source>
        <translation>ORVA-Parameter ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not sent to the equipment. Close anyway?</source>
        <translation>%1 noch nicht ans Gerät gesendet. Trotzdem schließen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 change is</source>
        <translation>1 Änderung ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 changes are</source>
        <translation>%1 Änderungen sind</translation>
    </message>
    <message>
        <location filename="../src/app/FrmOrvaLayout.cpp" line="+42"/>
        <source>Calibration General Equipment Parameters</source>
        <translation>Kalibrierung – allgemeine Geräteparameter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Versione Firmware</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ORVA ver. NNNN</source>
        <translation>ORVA ver. NNNN</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>Scegli la Lingua</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>Unit of Light</source>
        <translation>Lichteinheit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Manufacter</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type of Panel</source>
        <translation>Paneltyp</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Protocol RS232</source>
        <translation>Protokoll RS232</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Homologation N.</source>
        <translation>Zulassungs-Nr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MCTC-NET Version</source>
        <translation>MCTC-NET-Version</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Equipment Address</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date of Expire</source>
        <translation>Ablaufdatum</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Type of Lamp</source>
        <translation>Lampentyp</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Printing Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Garage Name</source>
        <translation>Werkstattname</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Garage address</source>
        <translation>Werkstattadresse</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Send Parameters to Equipment !</source>
        <translation>Parameter an Gerät senden !</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+31"/>
        <location line="+30"/>
        <location line="+26"/>
        <source>Abort</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="-85"/>
        <source>Port Com</source>
        <translation>Com-Port</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seleziona COM</source>
        <translation>COM wählen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Calibrate Photodiode Light at battery voltage of 13,8 V :</source>
        <translation>Fotodiode kalibrieren bei Batteriespannung 13,8 V :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lux Calibrator LOW BEAM</source>
        <translation>Lux-Kalibr. ABBLENDLICHT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calibrate Low Beam</source>
        <translation>Kalibr. Abblendlicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bit Cpu LOW BEAM</source>
        <translation>Bit Cpu ABBLENDL.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bit / Lux LoW BEAM</source>
        <translation>Bit / Lux ABBLENDL.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Lux Calibrator HIGH BEAM</source>
        <translation>Lux-Kalibr. FERNLICHT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calibrate High Beam</source>
        <translation>Kalibr. Fernlicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bit Cpu HIGH BEAM</source>
        <translation>Bit Cpu FERNLICHT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bit / Lux HIGH BEAM</source>
        <translation>Bit / Lux FERNLICHT</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Calibrate Photodiode ...</source>
        <translation>Fotodiode kalibrieren ...</translation>
    </message>
</context>
<context>
    <name>FrmPassword</name>
    <message>
        <location filename="../src/app/FrmPassword.cpp" line="+14"/>
        <source>Enable Setting General Equipment Parameters</source>
        <translation>Einstellung allgemeiner Geräteparameter freigeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter password :</source>
        <translation>Passwort eingeben :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/commands/HistoryCommand.cpp" line="-46"/>
        <source>%1 (see orva-cli history --help)</source>
        <translation>%1 (siehe orva-cli history --help)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>--show takes an entry number</source>
        <translation>--show erwartet eine Eintragsnummer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--kind takes read, send, calibration or restore</source>
        <translation>--kind erwartet read, send, calibration oder restore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--outcome takes one of: %1</source>
        <translation>--outcome erwartet eines von: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--%1 takes a day as YYYY-MM-DD</source>
        <translation>--%1 erwartet einen Tag als YYYY-MM-DD</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--since is after --until</source>
        <translation>--since liegt nach --until</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--limit takes a whole number from 1</source>
        <translation>--limit erwartet eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>cannot write the standard output: %1</source>
        <translation>die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/commands/HistorySyncCommand.cpp" line="-15"/>
        <source>%1<byte value="xd"/>
%2 entries wait on this computer for the server.</source>
        <translation>%1<byte value="xd"/>
%2 Einträge warten auf diesem Computer auf den Server.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry reached the server %1.</source>
        <translation>Nicht alle Einträge haben den Server %1 erreicht.</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <location filename="../src/core/history/HistoryEntry.cpp" line="+25"/>
        <source>low beam</source>
        <translation>Abblendlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>high beam</source>
        <translation>Fernlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 lux, reading %3, factor %4 -&gt; %5%6</source>
        <translation>%1: %2 lux, Messwert %3, Faktor %4 -&gt; %5%6</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> (not written)</source>
        <translation> (nicht geschrieben)</translation>
    </message>
</context>
<context>
    <name>HistoryLocation</name>
    <message>
        <location filename="../src/core/history/HistoryLocation.cpp" line="+37"/>
        <source>The history location is not one of the accepted forms: a file path, sqlite:FILE or postgresql://user@host:port/database.</source>
        <translation>Der Ort der Historie hat keine der zulässigen Formen: ein Dateipfad, sqlite:FILE oder postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The history URL carries a password: put it in the settings file (%1) or the PostgreSQL password file (~/.pgpass) instead.</source>
        <translation>Die Historien-URL enthält ein Passwort: tragen Sie es stattdessen in die Einstellungsdatei (%1) oder die PostgreSQL-Passwortdatei (~/.pgpass) ein.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The history location names no file.</source>
        <translation>Der Ort der Historie nennt keine Datei.</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <location filename="../src/app/HistoryPage.cpp" line="+23"/>
        <source>ORVA service history ...</source>
        <translation>ORVA-Servicehistorie ...</translation>
    </message>
    <message>
        <location filename="../src/app/HistoryWords.cpp" line="+7"/>
        <source>read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore</source>
        <translation>Rücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aborted</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>declined</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>incomplete</source>
        <translation>teilweise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>imported</source>
        <translation>importiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>started</source>
        <translation>begonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify mismatch</source>
        <translation>Prüfung abweichend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unverified</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <location filename="../src/app/HistoryPage.cpp" line="+11"/>
        <location line="+147"/>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>Testers...</source>
        <translation>Prüfgeräte...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Service history</source>
        <translation>Servicehistorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What changed</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Testers</source>
        <translation>Prüfgeräte</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>No service history: nothing is recorded, and no write is possible.</source>
        <translation>Keine Servicehistorie: nichts wird aufgezeichnet, kein Schreiben möglich.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tester %1 in %2</source>
        <translation>Prüfgerät %1 in %2</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The report could not be saved in %1: %2</source>
        <translation>Speichern des Berichts in %1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>LineAddress</name>
    <message>
        <location filename="../src/core/link/LineAddress.cpp" line="+16"/>
        <source>%1 is not a port: name a serial device (/dev/ttyUSB0, COM1), tcp://HOST:PORT or rfc2217://HOST:PORT, with a port from 1 to 65535</source>
        <translation>%1 ist keine Schnittstelle: ein serielles Gerät (/dev/ttyUSB0, COM1), tcp://HOST:PORT oder rfc2217://HOST:PORT mit einem Port von 1 bis 65535 angeben</translation>
    </message>
</context>
<context>
    <name>LoadParameters</name>
    <message>
        <location filename="../src/core/ops/LoadParameters.cpp" line="+140"/>
        <source>Wait reading parameters from equipment ....</source>
        <translation>Bitte warten, Parameter werden vom Gerät gelesen ....</translation>
    </message>
</context>
<context>
    <name>LoadRead</name>
    <message>
        <location filename="../src/core/ops/LoadRead.cpp" line="+38"/>
        <source>Invalid procedure call or argument: the parameter file %1 has no usable definition of %2. Replace the file with a complete one.</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Die Parameterdatei %1 enthält keine verwendbare Definition von %2. Ersetzen Sie die Datei durch eine vollständige.</translation>
    </message>
</context>
<context>
    <name>LuxCalibration</name>
    <message>
        <location filename="../src/core/ops/LuxCalibration.cpp" line="+24"/>
        <source>Calibrating Lux ...</source>
        <translation>Lux-Kalibrierung ...</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Are you sure to %1?</source>
        <translation>%1: Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source><byte value="xd"/>
<byte value="xd"/>
Reading: %1<byte value="xd"/>
New factor: %2, replacing %3</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Messwert: %1<byte value="xd"/>
Neuer Faktor: %2, ersetzt %3</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Wait sending parameters to Equipment ....</source>
        <translation>Bitte warten, Parameter werden an das Gerät gesendet ....</translation>
    </message>
</context>
<context>
    <name>OutcomeMessage</name>
    <message>
        <location filename="../src/core/ops/OutcomeMessage.cpp" line="+150"/>
        <source>Calibrate Low Beam</source>
        <translation>Kalibrierung Abblendlicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calibrate High Beam</source>
        <translation>Kalibrierung Fernlicht</translation>
    </message>
    <message>
        <location line="-128"/>
        <source> at address %1h</source>
        <translation> an Adresse %1h</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line to ORVA equipment lost step%1 (bytes came that no command was waiting for)</source>
        <translation>die Leitung zum ORVA-Gerät verlor die Synchronisation%1 (es kamen Bytes, auf die kein Befehl wartete)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ORVA equipment refused the byte%1</source>
        <translation>das ORVA-Gerät lehnte das Byte%1 ab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial port was lost%1 (adapter unplugged?)</source>
        <translation>der serielle Port ging%1 verloren (Adapter abgezogen?)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ORVA equipment did not acknowledge address %1h and stopped answering</source>
        <translation>das ORVA-Gerät hat Adresse %1h nicht bestätigt und antwortet nicht mehr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ORVA equipment stopped answering</source>
        <translation>das ORVA-Gerät antwortet nicht mehr</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The equipment holds values this program does not offer:<byte value="xd"/>
%1<byte value="xd"/>
They are kept: a send writes them back as they are, unless you change them.</source>
        <translation>Das Gerät enthält Werte, die dieses Programm nicht anbietet:<byte value="xd"/>
%1<byte value="xd"/>
Sie bleiben erhalten: beim Senden werden sie unverändert zurückgeschrieben, sofern Sie sie nicht ändern.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ORVA parameters ...</source>
        <translation>ORVA-Parameter ...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The line to the equipment kept losing step (bytes came that no command was waiting for) for %1 s: check the cable and the port.</source>
        <translation>Die Leitung zum Gerät verlor %1 s lang immer wieder die Synchronisation (es kamen Bytes, auf die kein Befehl wartete): prüfen Sie Kabel und Port.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No equipment answered within %1 s: check the cable, the port and the equipment&apos;s power supply.</source>
        <translation>Kein Gerät hat innerhalb von %1 s geantwortet: prüfen Sie das Kabel, den Port und die Stromversorgung des Geräts.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+149"/>
        <source>ORVA connection ...</source>
        <translation>ORVA-Verbindung ...</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Transmission Parameters FAILED because ORVA equipment is not connected or is power off !<byte value="xd"/>
Wait a new connection and SET new parameters AGAIN ....</source>
        <translation>Parameterübertragung FEHLGESCHLAGEN, da das ORVA-Gerät nicht angeschlossen oder ausgeschaltet ist !<byte value="xd"/>
Warten Sie auf eine neue Verbindung und stellen Sie die Parameter ERNEUT ein ....</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was sent: %1</source>
        <translation>Es wurde nichts gesendet: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission Parameters INCOMPLETE: %1.<byte value="xd"/>
The equipment now holds only part of the new parameters: check the connection and the power supply, then SEND the parameters AGAIN.</source>
        <translation>Parameterübertragung UNVOLLSTÄNDIG: %1.<byte value="xd"/>
Das Gerät enthält jetzt nur einen Teil der neuen Parameter: prüfen Sie Verbindung und Stromversorgung und SENDEN Sie die Parameter ERNEUT.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No conversion factor for %1: the reading %2 divided by the reference &quot;%3&quot; lux gives no factor from 0 to 32767. Enter the reference illuminance (1 to 9999 lux) and calibrate again; nothing was written.</source>
        <translation>Kein Umrechnungsfaktor (%1): Der Messwert %2 geteilt durch die Referenz &quot;%3&quot; lux ergibt keinen Faktor von 0 bis 32767. Geben Sie die Referenz-Beleuchtungsstärke ein (1 bis 9999 lux) und kalibrieren Sie erneut; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 Nothing was written.</source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The equipment sent no reading for %1: nothing was changed. Check the connection and try again.</source>
        <translation>Das Gerät hat keinen Messwert gesendet (%1): es wurde nichts geändert. Prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not possible: %2. Nothing was written; check the connection and calibrate again.</source>
        <translation>%1 war nicht möglich: %2. Es wurde nichts geschrieben; prüfen Sie die Verbindung und kalibrieren Sie erneut.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Calibrating Lux ...</source>
        <translation>Lux-Kalibrierung ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not possible: ORVA equipment is not connected or is power off !<byte value="xd"/>
The parameters are read again from the equipment as soon as it answers; changes not yet sent are replaced.</source>
        <translation>%1 nicht möglich: ORVA-Gerät ist nicht angeschlossen oder ausgeschaltet !<byte value="xd"/>
Die Parameter werden erneut vom Gerät gelesen, sobald es antwortet; noch nicht gesendete Änderungen werden ersetzt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was written: %1</source>
        <translation>Es wurde nichts geschrieben: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The factor may not be stored: %1. Check the connection and calibrate again.</source>
        <translation>Der Faktor wurde möglicherweise nicht gespeichert: %1. Prüfen Sie die Verbindung und kalibrieren Sie erneut.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error not handled</source>
        <translation>Nicht behandelter Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error n°%1<byte value="xd"/>
Description : %2</source>
        <translation>Fehler Nr. %1<byte value="xd"/>
Beschreibung : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The tester acknowledged every byte, but did not answer in step while they were read back (address %1h): read it again to see what it holds.</source>
        <translation>Das Gerät hat jedes Byte bestätigt, aber beim Zurücklesen nicht im Takt geantwortet (Adresse %1h): es erneut lesen, um zu sehen, was es enthält.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The line lost step while what was sent was read back: read the tester again to see what it holds.</source>
        <translation>Die Leitung verlor beim Zurücklesen den Takt: das Gerät erneut lesen, um zu sehen, was es enthält.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tester acknowledged every byte, but %1 byte(s) read back differ from what was sent: send again.</source>
        <translation>Das Gerät hat jedes Byte bestätigt, aber %1 zurückgelesene Byte(s) weichen vom Gesendeten ab: erneut senden.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The tester was written, but the end of its record (history entry %1) could not be saved: %2<byte value="xd"/>
The tester now holds: %3.</source>
        <translation>Das Gerät wurde beschrieben, aber der Abschluss seines Eintrags (Historieneintrag %1) konnte nicht gespeichert werden: %2<byte value="xd"/>
Das Gerät enthält jetzt: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ORVA service history ...</source>
        <translation>ORVA-Servicehistorie ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: empty value, not sent (addr. h%2 )</source>
        <translation>%1: leerer Wert, nicht gesendet (Adr. h%2 )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1 of the parameter file has no usable value for %2: not sent (addr. h%3 )</source>
        <translation>Zeile %1 der Parameterdatei hat keinen verwendbaren Wert für %2: nicht gesendet (Adr. h%3 )</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These lines of the parameter file were not sent:<byte value="xd"/>
%1</source>
        <translation>Diese Zeilen der Parameterdatei wurden nicht gesendet:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 at address %2h: sent %3, the tester holds %4</source>
        <translation>%1 an Adresse %2h: gesendet %3, das Gerät enthält %4</translation>
    </message>
</context>
<context>
    <name>ParameterDocument</name>
    <message>
        <location filename="../src/core/ops/ParameterDocument.cpp" line="+79"/>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>must be {&quot;index&quot;: n}</source>
        <translation>muss {&quot;index&quot;: n} sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be a number</source>
        <translation>muss eine Zahl sein</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>index %1 names no entry: the list has %2, from 0 to %3</source>
        <translation>Index %1 bezeichnet keinen Eintrag: die Liste hat %2, von 0 bis %3</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: the protocol &quot;%2&quot; fixes it to &quot;%3&quot;</source>
        <translation>%1: das Protokoll &quot;%2&quot; legt es auf &quot;%3&quot; fest</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the file is not a parameter document of format %1</source>
        <translation>die Datei ist kein Parameterdokument im Format %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the document has no &quot;fields&quot; object</source>
        <translation>das Dokument hat kein Objekt &quot;fields&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: no such field</source>
        <translation>%1: kein solches Feld</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1: is set by the lux calibration, not by a write</source>
        <translation>%1: wird durch die Lux-Kalibrierung gesetzt, nicht durch Schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: this password may not calibrate</source>
        <translation>%1: mit diesem Passwort ist keine Kalibrierung möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a factor is 0 to 32767</source>
        <translation>%1: ein Faktor liegt zwischen 0 und 32767</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: this password may not change it</source>
        <translation>%1: mit diesem Passwort nicht änderbar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: the tester sets them itself</source>
        <translation>%1: das Prüfgerät setzt sie selbst</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <location filename="../src/core/params/ParameterFile.cpp" line="+80"/>
        <source>%1 Put the parameter file back in the program&apos;s folder or reinstall the program.</source>
        <translation>%1 Legen Sie die Parameterdatei wieder in den Ordner des Programms oder installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <location filename="../src/cli/PasswordInput.cpp" line="+57"/>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
</context>
<context>
    <name>PendingRecords</name>
    <message>
        <location filename="../src/core/history/PendingRecords.cpp" line="+45"/>
        <source>The folder %1 cannot be made, so a write could not be followed to its end.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: ein Schreibvorgang könnte nicht bis zu seinem Ende verfolgt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 cannot be written: a write could not be followed to its end.</source>
        <translation>%1 kann nicht geschrieben werden: ein Schreibvorgang könnte nicht bis zu seinem Ende verfolgt werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PortCatalogue</name>
    <message>
        <location filename="../src/core/link/PortCatalogue.cpp" line="+40"/>
        <source>serial-to-network bridge</source>
        <translation>Seriell-Netzwerk-Umsetzer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>named on the command line</source>
        <translation>auf der Befehlszeile angegeben</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>serial %1</source>
        <translation>Seriennr. %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/core/base/RegularFile.cpp" line="+21"/>
        <source>File not found: %1 (%2).</source>
        <translation>Datei nicht gefunden: %1 (%2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+8"/>
        <source>not an ordinary file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>File not found: %1 is longer than %2 bytes, too long to be the file expected here.</source>
        <translation>Datei nicht gefunden: %1 ist größer als %2 Bytes, zu groß für die hier erwartete Datei.</translation>
    </message>
</context>
<context>
    <name>SendParameters</name>
    <message>
        <location filename="../src/core/ops/SendParameters.cpp" line="+143"/>
        <source>Wait sending parameters to Equipment ....</source>
        <translation>Bitte warten, Parameter werden an das Gerät gesendet ....</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <location filename="../src/core/link/SerialLink.cpp" line="+28"/>
        <source>Invalid port number: the serial device %1 does not exist.</source>
        <translation>Ungültige Portnummer: die serielle Schnittstelle %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port already open: %1 is in use by another program, or this user may not open it. Close the other program; on Linux, join the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Port bereits geöffnet: %1 wird von einem anderen Programm verwendet, oder dieser Benutzer darf ihn nicht öffnen. Schließen Sie das andere Programm; treten Sie unter Linux der Gruppe dialout bei (sudo usermod -aG dialout $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Port already open: %1 is already open.</source>
        <translation>Port bereits geöffnet: %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device is not open: %1 could not be opened (%2).</source>
        <translation>Schnittstelle nicht geöffnet: %1 konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Invalid port number: no serial device has this number.</source>
        <translation>Ungültige Portnummer: keine serielle Schnittstelle hat diese Nummer.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>no connection within %1 s: check the address, the network and that the bridge is switched on</source>
        <translation>keine Verbindung innerhalb von %1 s: Adresse, Netzwerk und Stromversorgung des Umsetzers prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the connection was refused: check that the bridge runs and serves this port, and that no other program holds it</source>
        <translation>die Verbindung wurde abgewiesen: prüfen, dass der Umsetzer läuft und diesen Port bedient und kein anderes Programm ihn belegt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the host %1 is not known: check the address</source>
        <translation>der Host %1 ist unbekannt: Adresse prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: check the address, the network and the bridge</source>
        <translation>%1: Adresse, Netzwerk und Umsetzer prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device is not open: %1 cannot be reached, %2.</source>
        <translation>Gerät nicht geöffnet: %1 ist nicht erreichbar, %2.</translation>
    </message>
</context>
<context>
    <name>SerialTrace</name>
    <message>
        <location filename="../src/core/link/SerialTrace.cpp" line="+34"/>
        <source>cannot write the trace file %1: %2</source>
        <translation>die Aufzeichnungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the trace file %1 could not be written: %2</source>
        <translation>die Aufzeichnungsdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ServiceHistory</name>
    <message>
        <location filename="../src/core/history/ServiceHistory.cpp" line="+158"/>
        <source>The service history %1 %2: %3</source>
        <translation>Die Servicehistorie %1 %2: %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+29"/>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>the Windows build keeps its history in a file: give --history a file path, or use a server history from Linux</source>
        <translation>die Windows-Version führt den Verlauf in einer Datei: geben Sie --history einen Dateipfad an, oder nutzen Sie einen Server-Verlauf unter Linux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Qt&apos;s %1 driver is not installed (Debian package %2)</source>
        <translation>der Qt-Treiber %1 ist nicht installiert (Debian-Paket %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+16"/>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>nothing has been recorded there; check the history&apos;s location</source>
        <translation>dort wurde nichts aufgezeichnet; den Ort der Historie prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be created</source>
        <translation>kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the database holds no service history</source>
        <translation>die Datenbank enthält keine Servicehistorie</translation>
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
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="-446"/>
        <source>cannot be used</source>
        <translation>kann nicht verwendet werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was written by a newer version of OrvaPS (schema %1)</source>
        <translation>sie wurde von einer neueren Version von OrvaPS geschrieben (Schema %1)</translation>
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
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-494"/>
        <location line="+6"/>
        <source>cannot be brought to schema %1</source>
        <translation>kann nicht auf Schema %1 gebracht werden</translation>
    </message>
    <message>
        <location line="+239"/>
        <source>%1<byte value="xd"/>
It could not be kept on this computer either: %2</source>
        <translation>%1<byte value="xd"/>
Auch auf diesem Computer konnte er nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1<byte value="xd"/>
Its end is kept on this computer and given to the history when it can take it again.</source>
        <translation>%1<byte value="xd"/>
Sein Abschluss wird auf diesem Computer aufbewahrt und der Historie übergeben, sobald sie ihn wieder annehmen kann.</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>The service history has no entry %1.</source>
        <translation>Die Servicehistorie hat keinen Eintrag %1.</translation>
    </message>
    <message>
        <location filename="../src/core/history/ServiceHistoryServer.cpp" line="-52"/>
        <source>The server history was tried less than a minute ago.</source>
        <translation>Der Server-Verlauf wurde vor weniger als einer Minute versucht.</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <location filename="../src/report/ServiceReport.cpp" line="+71"/>
        <source>&lt;tr&gt;&lt;td&gt;%1 beam&lt;/td&gt;&lt;td&gt;%2 lux&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;td&gt;%4 &amp;rarr; %5&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;%1&lt;/td&gt;&lt;td&gt;%2 lux&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;td&gt;%4 &amp;rarr; %5&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Abblendlicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Fernlicht</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NOT written: the tester reads back otherwise</source>
        <translation>NICHT geschrieben: das Gerät liest anderes zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not confirmed by a read-back</source>
        <translation>durch Zurücklesen nicht bestätigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stopped part way</source>
        <translation>mittendrin abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aborted part way</source>
        <translation>vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>what the tester holds is not known: read it</source>
        <translation>unbekannt, was das Gerät enthält: es lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no parameter changed</source>
        <translation>kein Parameter geändert</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&lt;h2&gt;ORVA headlight tester: service report&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Date:&lt;/b&gt; %1&lt;/p&gt;&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tester&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%2, serial number %3&lt;br&gt;firmware %4, parameter file %5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Workshop&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Parameters changed&lt;/h3&gt;%7&lt;h3&gt;Calibrations&lt;/h3&gt;%8&lt;p&gt;&lt;b&gt;Expiry date:&lt;/b&gt; %9&lt;/p&gt;&lt;p&gt;&lt;b&gt;Access level:&lt;/b&gt; %10&lt;/p&gt;&lt;p&gt;&lt;br&gt;&lt;br&gt;Name: ______________________________ &amp;nbsp; Signature: ______________________________&lt;/p&gt;</source>
        <translation>&lt;h2&gt;ORVA-Scheinwerfertester: Servicebericht&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Datum:&lt;/b&gt; %1&lt;/p&gt;&lt;table cellpadding=3&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Prüfgerät&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%2, Seriennummer %3&lt;br&gt;Firmware %4, Parameterdatei %5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Werkstatt&lt;/b&gt;&lt;/td&gt;&lt;td&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Geänderte Parameter&lt;/h3&gt;%7&lt;h3&gt;Kalibrierungen&lt;/h3&gt;%8&lt;p&gt;&lt;b&gt;Ablaufdatum:&lt;/b&gt; %9&lt;/p&gt;&lt;p&gt;&lt;b&gt;Zugriffsebene:&lt;/b&gt; %10&lt;/p&gt;&lt;p&gt;&lt;br&gt;&lt;br&gt;Name: ______________________________ &amp;nbsp; Unterschrift: ______________________________&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Time&lt;/th&gt;&lt;th&gt;Parameter: old &amp;rarr; new&lt;/th&gt;&lt;th&gt;Outcome&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</source>
        <translation>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Zeit&lt;/th&gt;&lt;th&gt;Parameter: alt &amp;rarr; neu&lt;/th&gt;&lt;th&gt;Ergebnis&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Beam&lt;/th&gt;&lt;th&gt;Reference&lt;/th&gt;&lt;th&gt;Reading&lt;/th&gt;&lt;th&gt;Factor old &amp;rarr; new&lt;/th&gt;&lt;th&gt;&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</source>
        <translation>&lt;table border=1 cellspacing=0 cellpadding=3&gt;&lt;tr&gt;&lt;th&gt;Licht&lt;/th&gt;&lt;th&gt;Referenz&lt;/th&gt;&lt;th&gt;Messwert&lt;/th&gt;&lt;th&gt;Faktor alt &amp;rarr; neu&lt;/th&gt;&lt;th&gt;&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The service history has no entry for this report.</source>
        <translation>Die Servicehistorie hat keinen Eintrag für diesen Bericht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No font is installed to print the report with: install the system&apos;s standard fonts.</source>
        <translation>Es ist keine Schrift installiert, mit der der Bericht gedruckt werden kann: die Standardschriften des Systems installieren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Service report %1</source>
        <translation>Servicebericht %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/core/base/SettingsFile.cpp" line="+34"/>
        <source>The settings file %1 gives [limits] %2=%3: write a number of milliseconds from %4 to %5, or remove the line.</source>
        <translation>Die Einstellungsdatei %1 enthält [limits] %2=%3: eine Zahl von Millisekunden von %4 bis %5 eintragen oder die Zeile entfernen.</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <location filename="../src/app/StatusArea.cpp" line="+26"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transfer progress</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last operation</source>
        <translation>Letzter Vorgang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes not sent</source>
        <translation>Offene Änderungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access level</source>
        <translation>Zugriffsebene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service history entries not yet on the server</source>
        <translation>Verlaufseinträge noch nicht auf dem Server</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 change not sent</source>
        <translation>1 Änderung offen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 changes not sent</source>
        <translation>%1 Änderungen offen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 entry not yet on the server</source>
        <translation>1 Eintrag noch nicht auf dem Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries not yet on the server</source>
        <translation>%1 Einträge noch nicht auf dem Server</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
</context>
<context>
    <name>TerminalForm</name>
    <message>
        <location filename="../src/cli/TerminalForm.cpp" line="+24"/>
        <source><byte value="xd"/>%1 of %2 bytes (%3 %)</source>
        <translation><byte value="xd"/>%1 von %2 Bytes (%3 %)</translation>
    </message>
</context>
<context>
    <name>Tester</name>
    <message>
        <location filename="../src/core/ops/Tester.cpp" line="+49"/>
        <source>Wait connection to Equipment ! Reset with power supply ...</source>
        <translation>Warten auf Verbindung zum Gerät ! Reset über die Stromversorgung ...</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Wait reading parameters from equipment .... (addr. h%1 )</source>
        <translation>Bitte warten, Parameter werden vom Gerät gelesen .... (Adr. h%1 )</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Wait sending parameters to Equipment .... (addr. h%1 )</source>
        <translation>Bitte warten, Parameter werden an das Gerät gesendet .... (Adr. h%1 )</translation>
    </message>
</context>
<context>
    <name>TesterSession</name>
    <message>
        <location filename="../src/core/ops/TesterSession.cpp" line="+138"/>
        <source>Invalid port number: no serial device has this number.</source>
        <translation>Ungültige Portnummer: keine serielle Schnittstelle hat diese Nummer.</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Reading back what was sent .... (addr. h%1 )</source>
        <translation>Zurücklesen des Gesendeten .... (Adr. h%1 )</translation>
    </message>
</context>
<context>
    <name>TestersCommand</name>
    <message>
        <location filename="../src/cli/commands/TestersCommand.cpp" line="+10"/>
        <source>%1 (see orva-cli testers --help)</source>
        <translation>%1 (siehe orva-cli testers --help)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json and --csv exclude each other</source>
        <translation>--json und --csv schließen einander aus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--due-within takes a whole number of days from 0 to %1</source>
        <translation>--due-within erwartet eine ganze Zahl von Tagen von 0 bis %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>cannot write the standard output: %1</source>
        <translation>die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>TestersDialog</name>
    <message>
        <location filename="../src/app/TestersDialog.cpp" line="+57"/>
        <source>Show entries</source>
        <translation>Einträge zeigen</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <source>Testers</source>
        <translation>Prüfgeräte</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expiry date</source>
        <translation>Ablaufdatum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Days left</source>
        <translation>Verbleibende Tage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Garage</source>
        <translation>Werkstatt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last visit</source>
        <translation>Letzter Besuch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access level</source>
        <translation>Zugriffsstufe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low beam factor</source>
        <translation>Faktor Abblendlicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High beam factor</source>
        <translation>Faktor Fernlicht</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Show the tester&apos;s entries</source>
        <translation>Die Einträge des Prüfgeräts zeigen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The tester holds no valid expiry date: %1</source>
        <translation>Das Prüfgerät enthält kein gültiges Ablaufdatum: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Overdue by %n day(s)</source>
        <translation>
            <numerusform>Seit %n Tag überfällig</numerusform>
            <numerusform>Seit %n Tagen überfällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Due in %n day(s)</source>
        <translation>
            <numerusform>Fällig in %n Tag</numerusform>
            <numerusform>Fällig in %n Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowForm</name>
    <message>
        <location filename="../src/app/WindowForm.cpp" line="+152"/>
        <source>Changed: not sent to the equipment yet</source>
        <translation>Geändert: noch nicht an das Gerät gesendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not changeable with this password</source>
        <translation>Mit diesem Passwort nicht änderbar</translation>
    </message>
</context>
</TS>
