<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddrbookFields</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Fax 2</source>
        <translation>Fax 2</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>E-Mail 2</translation>
    </message>
</context>
<context>
    <name>CAddrbookData</name>
    <message>
        <source>The entry was saved, but the address book could not be read again.
Please read the address book again.</source>
        <translation>Der Eintrag wurde gespeichert, aber das Adressbuch konnte nicht erneut gelesen werden.
Bitte lesen Sie das Adressbuch erneut.</translation>
    </message>
    <message>
        <source>Reading address book</source>
        <translation>Adressbuch wird gelesen</translation>
    </message>
    <message>
        <source>Failed to delete address book!</source>
        <translation>Der Adressbucheintrag konnte nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>
The old entry could not be written back either; please save it to the phone again.</source>
        <translation>
Auch der alte Eintrag konnte nicht zurückgeschrieben werden; bitte speichern Sie ihn erneut im Telefon.</translation>
    </message>
</context>
<context>
    <name>CCalendarData</name>
    <message>
        <source>Unexceptable telephone book format!</source>
        <translation>Ungültiges Telefonbuchformat!</translation>
    </message>
    <message>
        <source>The calendar shown is no longer the phone&apos;s.
Please read the calendar again.</source>
        <translation>Der angezeigte Kalender ist nicht mehr der des Telefons.
Bitte lesen Sie den Kalender erneut.</translation>
    </message>
    <message>
        <source>Unable to read calendar!</source>
        <translation>Der Kalender kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Not enough space!</source>
        <translation>Nicht genügend Speicherplatz!</translation>
    </message>
    <message>
        <source>Unable to write calendar!</source>
        <translation>Der Kalender kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Unable to delete calendar!</source>
        <translation>Der Kalendereintrag kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Unexceptable calendar format!</source>
        <translation>Ungültiges Kalenderformat!</translation>
    </message>
</context>
<context>
    <name>CInfoData</name>
    <message>
        <source>Unable to read phone information!</source>
        <translation>Die Telefoninformationen können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to read SIM card information!</source>
        <translation>Die SIM-Karten-Informationen können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to read time information!</source>
        <translation>Die Zeitinformationen können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to set time to phone!</source>
        <translation>Die Uhrzeit des Telefons kann nicht gestellt werden!</translation>
    </message>
</context>
<context>
    <name>CMediaData</name>
    <message>
        <source>An error occurs when reading %1!</source>
        <translation>Beim Lesen von %1 ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>An error occurs when setting %1!</source>
        <translation>Beim Setzen von %1 ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A file with the same name already exist.
Would you like to replace it?</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>main screen</source>
        <translation>Hauptbildschirm</translation>
    </message>
    <message>
        <source>screensaver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>ringtone</source>
        <translation>Klingelton</translation>
    </message>
</context>
<context>
    <name>CMobileLink</name>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Data exchanging...
Please wait for a while.</source>
        <translation>Datenaustausch läuft...
Bitte warten Sie einen Moment.</translation>
    </message>
    <message>
        <source>Cannot close %1</source>
        <translation>%1 kann nicht geschlossen werden</translation>
    </message>
    <message>
        <source>Cannot find Mobile.dll
Failed to open library!</source>
        <translation>Mobile.dll wurde nicht gefunden
Die Bibliothek kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Cannot find Obex.dll
Failed to open library!</source>
        <translation>Obex.dll wurde nicht gefunden
Die Bibliothek kann nicht geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>CPictureData</name>
    <message>
        <source>Picture size doesn&apos;t match with main screen!</source>
        <translation>Die Bildgröße passt nicht zum Hauptbildschirm!</translation>
    </message>
    <message>
        <source>Picture size doesn&apos;t match with screensaver!</source>
        <translation>Die Bildgröße passt nicht zum Bildschirmschoner!</translation>
    </message>
    <message>
        <source>Picture was successfully uploaded to /%1.</source>
        <translation>Das Bild wurde erfolgreich nach /%1 übertragen.</translation>
    </message>
</context>
<context>
    <name>CReportList</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Gültigkeit</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Handfree</source>
        <translation>Freisprechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>VIP</source>
        <translation>VIP</translation>
    </message>
</context>
<context>
    <name>CRingtoneData</name>
    <message>
        <source>Ringtone was successfully uploaded to /%1.</source>
        <translation>Der Klingelton wurde erfolgreich nach /%1 übertragen.</translation>
    </message>
    <message>
        <source>Cannot write the file %1!</source>
        <translation>Die Datei %1 kann nicht geschrieben werden!</translation>
    </message>
</context>
<context>
    <name>CS57AddrbookData</name>
    <message>
        <source>Reading address book</source>
        <translation>Adressbuch wird gelesen</translation>
    </message>
    <message>
        <source>Saving address book</source>
        <translation>Adressbuch wird gespeichert</translation>
    </message>
    <message>
        <source>Unable to delete address book!</source>
        <translation>Der Adressbucheintrag kann nicht gelöscht werden!</translation>
    </message>
</context>
<context>
    <name>CSMSData</name>
    <message>
        <source>Unexceptable SMS format!</source>
        <translation>Ungültiges SMS-Format!</translation>
    </message>
    <message>
        <source>The messages shown are no longer the phone&apos;s.
Please read the messages again.</source>
        <translation>Die angezeigten Nachrichten sind nicht mehr die des Telefons.
Bitte lesen Sie die Nachrichten erneut.</translation>
    </message>
    <message>
        <source>No SMS found!</source>
        <translation>Keine SMS gefunden!</translation>
    </message>
    <message>
        <source>The number %1 is too long (at most %2 digits).</source>
        <translation>Die Nummer %1 ist zu lang (höchstens %2 Ziffern).</translation>
    </message>
    <message>
        <source>Reading SMS</source>
        <translation>SMS werden gelesen</translation>
    </message>
    <message>
        <source>Saving SMS</source>
        <translation>SMS wird gespeichert</translation>
    </message>
    <message>
        <source>Storage is full</source>
        <translation>Der Speicher ist voll</translation>
    </message>
    <message>
        <source>Not enough space!</source>
        <translation>Nicht genügend Speicherplatz!</translation>
    </message>
    <message>
        <source>Failed to write SMS to mobilephone!</source>
        <translation>Die SMS konnte nicht in das Mobiltelefon geschrieben werden!</translation>
    </message>
    <message>
        <source>Unable to delete SMS!</source>
        <translation>Die SMS kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>No phone number was given.</source>
        <translation>Es wurde keine Telefonnummer angegeben.</translation>
    </message>
    <message>
        <source>Failed to send SMS!</source>
        <translation>Die SMS konnte nicht gesendet werden!</translation>
    </message>
</context>
<context>
    <name>CTaskPane</name>
    <message>
        <source>Operation</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>New addressbook</source>
        <translation>Neuer Adressbucheintrag</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sync to local</source>
        <translation>Lokal sichern</translation>
    </message>
    <message>
        <source>Read from phone</source>
        <translation>Vom Telefon lesen</translation>
    </message>
    <message>
        <source>Read from local</source>
        <translation>Lokal lesen</translation>
    </message>
    <message>
        <source>Addressbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Phone infomation</source>
        <translation>Telefoninformationen</translation>
    </message>
    <message>
        <source>SIM card information</source>
        <translation>SIM-Karten-Informationen</translation>
    </message>
    <message>
        <source>Time information</source>
        <translation>Zeitinformationen</translation>
    </message>
    <message>
        <source>Upload to phone</source>
        <translation>Auf das Telefon übertragen</translation>
    </message>
    <message>
        <source>Set as main screen</source>
        <translation>Als Hauptbildschirm setzen</translation>
    </message>
    <message>
        <source>Set as screensaver</source>
        <translation>Als Bildschirmschoner setzen</translation>
    </message>
    <message>
        <source>Clear picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Clear ringtone</source>
        <translation>Klingelton löschen</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Klingeltöne</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>SIM card</source>
        <translation>SIM-Karte</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Neue SMS</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Read from SIM card</source>
        <translation>Von der SIM-Karte lesen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Resend</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>New phonebook</source>
        <translation>Neuer Telefonbucheintrag</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
</context>
<context>
    <name>CTelebookData</name>
    <message>
        <source>Unexceptable telephone book format!</source>
        <translation>Ungültiges Telefonbuchformat!</translation>
    </message>
    <message>
        <source>The telebook shown is no longer the phone&apos;s.
Please read the telebook again.</source>
        <translation>Das angezeigte Telefonbuch ist nicht mehr das des Telefons.
Bitte lesen Sie das Telefonbuch erneut.</translation>
    </message>
    <message>
        <source>No Telebook found!</source>
        <translation>Kein Telefonbuch gefunden!</translation>
    </message>
    <message>
        <source>Storage is full</source>
        <translation>Der Speicher ist voll</translation>
    </message>
    <message>
        <source>Unable to write telebook</source>
        <translation>Das Telefonbuch kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The entry was saved, but the telebook could not be read again.
Please read the telebook again.</source>
        <translation>Der Eintrag wurde gespeichert, aber das Telefonbuch konnte nicht erneut gelesen werden.
Bitte lesen Sie das Telefonbuch erneut.</translation>
    </message>
    <message>
        <source>The entry at location %1 is no longer the one shown.
Please read the telebook again.</source>
        <translation>Der Eintrag an Speicherplatz %1 ist nicht mehr der angezeigte.
Bitte lesen Sie das Telefonbuch erneut.</translation>
    </message>
    <message>
        <source>Unable to modify telebook!</source>
        <translation>Das Telefonbuch kann nicht geändert werden!</translation>
    </message>
    <message>
        <source>Unable to delete telebook!</source>
        <translation>Der Telefonbucheintrag kann nicht gelöscht werden!</translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>SIM card</source>
        <translation>SIM-Karte</translation>
    </message>
    <message>
        <source>Fatel error: Cannot access telephone file!</source>
        <translation>Schwerer Fehler: Auf die Telefonbuchdatei kann nicht zugegriffen werden!</translation>
    </message>
    <message>
        <source>Unable to open the %1 messages!</source>
        <translation>Die Nachrichten (%1) können nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Unable to read the size of the %1 messages!</source>
        <translation>Die Größe des Nachrichtenspeichers (%1) kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to read the %1 messages!</source>
        <translation>Die Nachrichten (%1) können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to open the %1 telebook!</source>
        <translation>Das Telefonbuch (%1) kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Unable to read the size of the %1 telebook!</source>
        <translation>Die Größe des Telefonbuchs (%1) kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to read the %1 telebook!</source>
        <translation>Das Telefonbuch (%1) kann nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>TAddrbookStore</name>
    <message>
        <source>Unable to read the address book!</source>
        <translation>Das Adressbuch kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Unable to write addrbook!</source>
        <translation>Das Adressbuch kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>The address book shown is no longer the phone&apos;s.
Please read the address book again.</source>
        <translation>Das angezeigte Adressbuch ist nicht mehr das des Telefons.
Bitte lesen Sie das Adressbuch erneut.</translation>
    </message>
    <message>
        <source>No Addrbook found!</source>
        <translation>Kein Adressbuch gefunden!</translation>
    </message>
    <message>
        <source>Unable to delete address book!</source>
        <translation>Der Adressbucheintrag kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Unexceptable telephone book format!</source>
        <translation>Ungültiges Telefonbuchformat!</translation>
    </message>
</context>
<context>
    <name>orrin::CAddrbookEditDlg</name>
    <message>
        <source>Addressbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>VIP</source>
        <translation>VIP</translation>
    </message>
</context>
<context>
    <name>orrin::CAddrbookViewBase</name>
    <message>
        <source>Addressbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Reading address book</source>
        <translation>Adressbuch wird gelesen</translation>
    </message>
    <message>
        <source>Deleting address book</source>
        <translation>Adressbucheintrag wird gelöscht</translation>
    </message>
    <message>
        <source>Syncronizing address book</source>
        <translation>Adressbuch wird abgeglichen</translation>
    </message>
    <message>
        <source>Phone address book</source>
        <translation>Adressbuch im Telefon</translation>
    </message>
    <message>
        <source>Local address book</source>
        <translation>Lokales Adressbuch</translation>
    </message>
    <message>
        <source>Postalcode:  </source>
        <translation>PLZ:  </translation>
    </message>
    <message>
        <source>BizPhone:     </source>
        <translation>Telefon geschäftlich:     </translation>
    </message>
    <message>
        <source>Email:   </source>
        <translation>E-Mail:   </translation>
    </message>
</context>
<context>
    <name>orrin::CCalendarEditDlg</name>
    <message>
        <source>The entry is too long for the phone&apos;s calendar.
Please shorten its summary or its details.</source>
        <translation>Der Eintrag ist zu lang für den Kalender des Telefons.
Bitte kürzen Sie die Zusammenfassung oder die Details.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>orrin::CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>orrin::CEntryDialog</name>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Saving address book</source>
        <translation>Adressbucheintrag wird gespeichert</translation>
    </message>
    <message>
        <source>Modifying address book</source>
        <translation>Adressbucheintrag wird geändert</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving phone book</source>
        <translation>Telefonbucheintrag wird gespeichert</translation>
    </message>
    <message>
        <source>Modifying phone book</source>
        <translation>Telefonbucheintrag wird geändert</translation>
    </message>
    <message>
        <source>SIM card</source>
        <translation>SIM-Karte</translation>
    </message>
</context>
<context>
    <name>orrin::CInfoContent</name>
    <message>
        <source>Sync to Local time</source>
        <translation>Mit lokaler Zeit abgleichen</translation>
    </message>
    <message>
        <source>SIM card information</source>
        <translation>SIM-Karten-Informationen</translation>
    </message>
    <message>
        <source>Phone information</source>
        <translation>Telefoninformationen</translation>
    </message>
    <message>
        <source>Time information</source>
        <translation>Zeitinformationen</translation>
    </message>
    <message>
        <source>Manufacture</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Phone type</source>
        <translation>Telefontyp</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Local number</source>
        <translation>Eigene Nummer</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>IMSI</source>
        <translation>IMSI</translation>
    </message>
    <message>
        <source>Service center number</source>
        <translation>Nummer der SMS-Zentrale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokale Zeit</translation>
    </message>
    <message>
        <source>Phone time</source>
        <translation>Telefonzeit</translation>
    </message>
    <message>
        <source>Synchronize time information</source>
        <translation>Zeit abgleichen</translation>
    </message>
</context>
<context>
    <name>orrin::CInfoWnd</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Reading phone information</source>
        <translation>Telefoninformationen werden gelesen</translation>
    </message>
    <message>
        <source>Reading SIM card information</source>
        <translation>SIM-Karten-Informationen werden gelesen</translation>
    </message>
    <message>
        <source>Reading time information</source>
        <translation>Zeitinformationen werden gelesen</translation>
    </message>
    <message>
        <source>Syncronizing time</source>
        <translation>Zeit wird abgeglichen</translation>
    </message>
</context>
<context>
    <name>orrin::CMainFrame</name>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help online</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Orrin for SIEMENS...</source>
        <translation>Ü&amp;ber Orrin for SIEMENS...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Connecting to phone</source>
        <translation>Verbindung zum Telefon wird hergestellt</translation>
    </message>
    <message>
        <source>Connect setting is not completed.
Do you want to setup now?</source>
        <translation>Die Verbindungseinstellungen sind unvollständig.
Möchten Sie sie jetzt vornehmen?</translation>
    </message>
    <message>
        <source>Disconnecting from phone</source>
        <translation>Verbindung zum Telefon wird getrennt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Mobilephone is not connected. 
Please Connect first.</source>
        <translation>Das Mobiltelefon ist nicht verbunden. 
Bitte verbinden Sie zuerst.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No valid phone device is connected.
Or COM/infrared port is not correctly set,
Do you want to setup now?</source>
        <translation>Es ist kein gültiges Telefon verbunden,
oder die COM-/Infrarot-Schnittstelle ist nicht richtig eingestellt.
Möchten Sie die Einstellungen jetzt vornehmen?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Orrin V1.0 
for SIEMENS</source>
        <translation>Orrin V1.0 
für SIEMENS</translation>
    </message>
    <message>
        <source>About Orrin for SIEMENS</source>
        <translation>Über Orrin for SIEMENS</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1.
They stay in use until the program ends.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden.
Sie gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>Phone &amp;Infomation</source>
        <translation>Telefon&amp;informationen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Phonebook</source>
        <translation>&amp;Telefonbuch</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>&amp;Addressbook</source>
        <translation>&amp;Adressbuch</translation>
    </message>
    <message>
        <source>Addressbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Pi&amp;cture</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Ringtone</source>
        <translation>&amp;Klingeltöne</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Klingeltöne</translation>
    </message>
</context>
<context>
    <name>orrin::CMediaWnd</name>
    <message>
        <source>Copying file to phone</source>
        <translation>Datei wird auf das Telefon kopiert</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Phone Picture</source>
        <translation>Bilder im Telefon</translation>
    </message>
    <message>
        <source>Local Picture</source>
        <translation>Lokale Bilder</translation>
    </message>
    <message>
        <source>Please select a BMP picture folder</source>
        <translation>Bitte wählen Sie einen Ordner mit BMP-Bildern</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Klingeltöne</translation>
    </message>
    <message>
        <source>Phone Ringtone</source>
        <translation>Klingeltöne im Telefon</translation>
    </message>
    <message>
        <source>Local Ringtone</source>
        <translation>Lokale Klingeltöne</translation>
    </message>
    <message>
        <source>Please select a MIDI music folder</source>
        <translation>Bitte wählen Sie einen Ordner mit MIDI-Musik</translation>
    </message>
</context>
<context>
    <name>orrin::CNumberPickerDlg</name>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Addressbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Select addressbook/phonebook</source>
        <translation>Adressbuch/Telefonbuch auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Phone numbers from Phonebook/Addressbook</source>
        <translation>Telefonnummern aus Telefonbuch/Adressbuch auswählen</translation>
    </message>
</context>
<context>
    <name>orrin::CPictureWnd</name>
    <message>
        <source>Main screen</source>
        <translation>Hauptbildschirm</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>Reading picture</source>
        <translation>Bilder werden gelesen</translation>
    </message>
    <message>
        <source>Setting main screen</source>
        <translation>Hauptbildschirm wird gesetzt</translation>
    </message>
    <message>
        <source>Setting screensaver</source>
        <translation>Bildschirmschoner wird gesetzt</translation>
    </message>
    <message>
        <source>Clearing picture</source>
        <translation>Bild wird gelöscht</translation>
    </message>
</context>
<context>
    <name>orrin::CPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>No sound device: the ringtone cannot be played.</source>
        <translation>Kein Audiogerät: Der Klingelton kann nicht abgespielt werden.</translation>
    </message>
</context>
<context>
    <name>orrin::CRingtonePlayer</name>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Too large for a ringtone: %1</source>
        <translation>Zu groß für einen Klingelton: %1</translation>
    </message>
    <message>
        <source>No General MIDI sound font is installed</source>
        <translation>Es ist kein General-MIDI-Soundfont installiert</translation>
    </message>
    <message>
        <source>Cannot load the sound font %1</source>
        <translation>Der Soundfont %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>The synthesizer cannot play %1</source>
        <translation>Der Synthesizer kann %1 nicht abspielen</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Kein Audiogerät</translation>
    </message>
</context>
<context>
    <name>orrin::CRingtoneWnd</name>
    <message>
        <source>Reading Ringtone</source>
        <translation>Klingeltöne werden gelesen</translation>
    </message>
    <message>
        <source>Ringtone%1</source>
        <translation>Klingelton%1</translation>
    </message>
    <message>
        <source>Store as ringtone %1</source>
        <translation>Als Klingelton %1 speichern</translation>
    </message>
    <message>
        <source>Setting Ringtone</source>
        <translation>Klingelton wird gesetzt</translation>
    </message>
    <message>
        <source>Clearing Ringtone</source>
        <translation>Klingelton wird gelöscht</translation>
    </message>
    <message>
        <source>Sorry, too large ringtone!</source>
        <translation>Der Klingelton ist leider zu groß!</translation>
    </message>
</context>
<context>
    <name>orrin::CS57AddrbookEditDlg</name>
    <message>
        <source>Addrbook</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
</context>
<context>
    <name>orrin::CSMSComposeDlg</name>
    <message>
        <source>Too many characters, Please shorten your message!</source>
        <translation>Zu viele Zeichen. Bitte kürzen Sie Ihre Nachricht!</translation>
    </message>
    <message>
        <source>No phone number was given.
Please enter a number in &quot;Send to&quot;.</source>
        <translation>Es wurde keine Telefonnummer angegeben.
Bitte geben Sie unter „Senden an“ eine Nummer ein.</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Handfree</source>
        <translation>Freisprechen</translation>
    </message>
    <message>
        <source>Report status</source>
        <translation>Statusbericht</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Gültigkeit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Message  [%1/160 character]  [English]</source>
        <translation>Nachricht  [%1/160 Zeichen]  [Englisch]</translation>
    </message>
    <message>
        <source>Message  [%1/70 character]  [Non-English]</source>
        <translation>Nachricht  [%1/70 Zeichen]  [Nicht Englisch]</translation>
    </message>
    <message>
        <source>The number %1 is too long.
A number has at most %2 digits.</source>
        <translation>Die Nummer %1 ist zu lang.
Eine Nummer hat höchstens %2 Ziffern.</translation>
    </message>
    <message>
        <source>Sending SMS</source>
        <translation>SMS wird gesendet</translation>
    </message>
    <message>
        <source>Saving SMS</source>
        <translation>SMS wird gespeichert</translation>
    </message>
    <message>
        <source>SMS sent.</source>
        <translation>SMS gesendet.</translation>
    </message>
    <message>
        <source>Failed to send SMS.</source>
        <translation>Die SMS konnte nicht gesendet werden.</translation>
    </message>
</context>
<context>
    <name>orrin::CSMSWnd</name>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*.*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>SMS Details</source>
        <translation>SMS-Details</translation>
    </message>
    <message>
        <source>Reading SMS</source>
        <translation>SMS werden gelesen</translation>
    </message>
    <message>
        <source>Deleting SMS</source>
        <translation>SMS wird gelöscht</translation>
    </message>
    <message>
        <source>Syncronizing SMS</source>
        <translation>SMS werden abgeglichen</translation>
    </message>
    <message>
        <source>Unable to write the file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export SMS successfully</source>
        <translation>SMS erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Phone Message</source>
        <translation>Nachrichten im Telefon</translation>
    </message>
    <message>
        <source>SIM card Message</source>
        <translation>Nachrichten auf der SIM-Karte</translation>
    </message>
    <message>
        <source>Local Message</source>
        <translation>Lokale Nachrichten</translation>
    </message>
</context>
<context>
    <name>orrin::CSettingsDlg</name>
    <message>
        <source>Autodetect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Phone type:</source>
        <translation>Telefontyp:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Connect device:</source>
        <translation>Verbindungsgerät:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>More information must be provided to 
ensure this software work perfectly.</source>
        <translation>Weitere Angaben sind nötig, damit 
diese Software einwandfrei arbeitet.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>This software supports infrared/COM port connection. We recommend you use auto-detect.</source>
        <translation>Diese Software unterstützt Verbindungen über Infrarot und COM-Schnittstelle. Wir empfehlen die automatische Erkennung.</translation>
    </message>
    <message>
        <source>User information cannot be blank.</source>
        <translation>Die Benutzerangaben dürfen nicht leer sein.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please disconnect first before auto-detect.</source>
        <translation>Bitte trennen Sie vor der automatischen Erkennung die Verbindung.</translation>
    </message>
    <message>
        <source>Detecting connection port</source>
        <translation>Verbindungsschnittstelle wird gesucht</translation>
    </message>
    <message>
        <source>COM or Infrared port is not found. 
Please verify you have connected a phone device.</source>
        <translation>Es wurde keine COM- oder Infrarot-Schnittstelle gefunden. 
Bitte prüfen Sie, ob ein Telefon angeschlossen ist.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>orrin::CStatusProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>orrin::CTelebookEditDlg</name>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>VIP</source>
        <translation>VIP</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Telenum</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Save location</source>
        <translation>Speicherort</translation>
    </message>
</context>
<context>
    <name>orrin::CTelebookWnd</name>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>SIM card</source>
        <translation>SIM-Karte</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Reading phone book</source>
        <translation>Telefonbuch wird gelesen</translation>
    </message>
    <message>
        <source>Deleting phone book</source>
        <translation>Telefonbucheintrag wird gelöscht</translation>
    </message>
    <message>
        <source>Syncronizing phone book</source>
        <translation>Telefonbuch wird abgeglichen</translation>
    </message>
    <message>
        <source>Phone Telebook</source>
        <translation>Telefonbuch im Telefon</translation>
    </message>
    <message>
        <source>SIM card Telebook</source>
        <translation>Telefonbuch auf der SIM-Karte</translation>
    </message>
    <message>
        <source>Local Telebook</source>
        <translation>Lokales Telefonbuch</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>orrin::CWaitWnd</name>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
</context>
</TS>
