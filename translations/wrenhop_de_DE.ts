<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programmaktualisierung</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Die Installationsdateien werden heruntergeladen.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programm wird bereits ausgeführt</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programmaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Keine Netzwerkverbindung. 
Die Aktualisierung kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Überprüfen Sie bitte das Netzwerk (einschließlich Netzwerkkabel und Router), die Firewall und die Einstellungen des Virenschutzprogramms und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programmaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Die Aktualisierungsdatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Wenn das Problem weiterhin besteht, wenden Sie sich bitte an den Kundendienst.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Zur Website des Kundendienstes</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Aktualisierung abbrechen</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Aktualisierung jetzt abbrechen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Wenn Sie die Aktualisierung abbrechen, wird Cartaline automatisch beendet.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programmaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Möchten Sie es erneut versuchen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline ist bereit für die Aktualisierung.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Geben Sie das Kennwort ein, um diese Änderung zuzulassen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programmaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Keine Netzwerkverbindung. 
Die Aktualisierung kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Überprüfen Sie bitte das Netzwerk (einschließlich Netzwerkkabel und Router), die Firewall 
und die Einstellungen des Virenschutzprogramms und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programmaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Das Programm konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Wenn das Problem weiterhin besteht, wenden Sie sich bitte an den Kundendienst.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Zur Website des Kundendienstes</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
