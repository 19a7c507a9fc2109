<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programma bijwerken</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>De installatiebestanden worden gedownload.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programma wordt al uitgevoerd</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline wordt al uitgevoerd.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Bijwerken van programma mislukt</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Er is geen netwerkverbinding. 
Het bijwerken kan niet doorgaan.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Controleer het netwerk (inclusief netwerkkabel en router), de firewall en de instellingen van het antivirusprogramma en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Bijwerken van programma mislukt</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Het updatebestand is niet gevonden.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Neem contact op met de klantenservice als het probleem zich blijft voordoen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Naar de website van de klantenservice</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Bijwerken stoppen</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Het bijwerken nu stoppen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Als u het bijwerken stopt, wordt Cartaline automatisch afgesloten.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Bijwerken van programma mislukt</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Het bijwerken van Cartaline is mislukt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Wilt u het opnieuw proberen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline is klaar om te worden bijgewerkt.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Voer het wachtwoord in om deze wijziging toe te staan.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Bijwerken van programma mislukt</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Er is geen netwerkverbinding. 
Het bijwerken kan niet doorgaan.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Controleer het netwerk (inclusief netwerkkabel en router), de firewall 
en de instellingen van het antivirusprogramma en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Bijwerken van programma mislukt</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Het programma kan niet worden bijgewerkt.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Neem contact op met de klantenservice als het probleem zich blijft voordoen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Naar de website van de klantenservice</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
