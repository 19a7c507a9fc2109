<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programuppdatering</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Installationsfilerna laddas ned.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programmet körs redan</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline körs redan.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programuppdateringen misslyckades</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Nätverket är inte anslutet. 
Uppdateringen kan inte fortsätta.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Kontrollera nätverket (inklusive nätverkskabel och router), brandväggen och inställningarna för antivirusprogrammet och försök sedan igen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programuppdateringen misslyckades</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Det går inte att hitta uppdateringsfilen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Försök igen senare.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Kontakta kundtjänst om problemet kvarstår.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Gå till kundtjänsts webbplats</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Avbryt uppdateringen</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Vill du avbryta uppdateringen nu?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Om du avbryter uppdateringen stängs Cartaline automatiskt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programuppdateringen misslyckades</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Det gick inte att uppdatera Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Vill du försöka igen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline är redo att uppdateras.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Ange lösenordet för att tillåta ändringen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programuppdateringen misslyckades</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Nätverket är inte anslutet. 
Uppdateringen kan inte fortsätta.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Kontrollera nätverket (inklusive nätverkskabel och router), brandväggen 
och inställningarna för antivirusprogrammet och försök sedan igen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programuppdateringen misslyckades</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Det gick inte att uppdatera programmet.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Försök igen senare.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Kontakta kundtjänst om problemet kvarstår.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Gå till kundtjänsts webbplats</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
