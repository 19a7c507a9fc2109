<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programfrissítés</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>A telepítőfájlok letöltése folyamatban van.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>A program már fut</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>A Cartaline már fut.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>A programfrissítés sikertelen</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Nincs hálózati kapcsolat. 
A frissítés nem folytatható.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Ellenőrizze a hálózatot (a hálózati kábelt és az útválasztót is), a tűzfalat és a víruskereső program beállításait, majd próbálkozzon újra.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>A programfrissítés sikertelen</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>A frissítőfájl nem található.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Ha a probléma továbbra is fennáll, forduljon az ügyfélszolgálathoz.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Ugrás az ügyfélszolgálat webhelyére</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>A frissítés leállítása</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Leállítja most a frissítést?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Ha leállítja a frissítést, a Cartaline automatikusan bezárul.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>A programfrissítés sikertelen</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Nem sikerült frissíteni a Cartaline programot.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Szeretné újra megpróbálni?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>A Cartaline készen áll a frissítésre.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>A módosítás engedélyezéséhez írja be a jelszót.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>A programfrissítés sikertelen</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Nincs hálózati kapcsolat. 
A frissítés nem folytatható.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Ellenőrizze a hálózatot (a hálózati kábelt és az útválasztót is), a tűzfalat 
és a víruskereső program beállításait, majd próbálkozzon újra.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>A programfrissítés sikertelen</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Nem sikerült frissíteni a programot.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Ha a probléma továbbra is fennáll, forduljon az ügyfélszolgálathoz.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Ugrás az ügyfélszolgálat webhelyére</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
