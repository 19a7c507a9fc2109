<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Ažuriranje programa</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Preuzimaju se instalacijske datoteke.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program je već pokrenut</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline je već pokrenut.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Ažuriranje programa nije uspjelo</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Mreža nije povezana. 
Ažuriranje se ne može nastaviti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Provjerite mrežu (uključujući mrežni kabel i usmjerivač), vatrozid i postavke antivirusnog programa pa pokušajte ponovno.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Ažuriranje programa nije uspjelo</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Datoteka ažuriranja nije pronađena.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Pokušajte ponovno kasnije.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Ako se problem nastavi, obratite se službi za korisnike.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Posjetite web-mjesto službe za korisnike</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Zaustavljanje ažuriranja</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Želite li sada zaustaviti ažuriranje?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Ako zaustavite ažuriranje, Cartaline će se automatski zatvoriti.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Ažuriranje programa nije uspjelo</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Ažuriranje programa Cartaline nije uspjelo.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Želite li pokušati ponovno?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline je spreman za ažuriranje.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Da biste dopustili ovu promjenu, unesite lozinku.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Korisničko ime</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Lozinka</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Ažuriranje programa nije uspjelo</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Mreža nije povezana. 
Ažuriranje se ne može nastaviti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Provjerite mrežu (uključujući mrežni kabel i usmjerivač), vatrozid 
i postavke antivirusnog programa pa pokušajte ponovno.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Ažuriranje programa nije uspjelo</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Program nije moguće ažurirati.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Pokušajte ponovno kasnije.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Ako se problem nastavi, obratite se službi za korisnike.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Posjetite web-mjesto službe za korisnike</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>U redu</translation>
    </message>
</context>
</TS>
